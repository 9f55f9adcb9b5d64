#!/usr/bin/env bash
# Configures and builds into build/ (or $KX2_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KX2_BUILD_DIR:-$root/build}"
# Ninja for a new folder when it is there; a folder made by another generator keeps it.
gen=()
[ -f "$build/CMakeCache.txt" ] || ! command -v ninja >/dev/null || gen=(-GNinja)
cmake -S "$root" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE="${KX2_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
