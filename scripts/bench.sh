#!/usr/bin/env bash
# Builds a Release build into build-bench/ (or $KX2_BENCH_DIR) and runs kx2_bench.
# Arguments go to kx2_bench, e.g. --only read_wire. docs/performance.md explains the figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KX2_BENCH_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKX2_BUILD_GUI=ON -DKX2_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target kx2_bench kx2ctl kx2_resources >/dev/null
exec "$build/bench/kx2_bench" "$@"
