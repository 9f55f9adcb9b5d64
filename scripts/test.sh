#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Then two more stages (docs/robustness.md):
#   1. a build with AddressSanitizer and UndefinedBehaviorSanitizer (gcc, build-asan/) that runs
#      the whole test suite again, GUI tests included, and fails on any report;
#   2. the libFuzzer targets (clang, build-fuzz/), each for $KX2_FUZZ_SECONDS (20) seconds on its
#      corpus from fuzz/corpus/.
# KX2_QUICK=1 stops after the first test run (for quick local runs; CI runs everything).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
stage_start=$SECONDS
stage_done() { echo "== $1 took $((SECONDS - stage_start)) s"; stage_start=$SECONDS; }
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build="${KX2_BUILD_DIR:-$root/build}"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" --output-on-failure)
stage_done "build and tests"

if [ "${KX2_QUICK:-0}" = "1" ]; then
  echo "KX2_QUICK=1: sanitizer and fuzz stages skipped"
  exit 0
fi

# --- 1. sanitizers ----------------------------------------------------------------------
# Any report ends the process with an error, leaks included. Leaks inside system libraries that
# Qt loads are listed in scripts/lsan.supp; nothing of ours is suppressed.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
asan="${KX2_ASAN_DIR:-$root/build-asan}"
echo "== sanitizer build ($asan)"
# -g1: line tables are all a report needs, and they compile a fifth faster than full debug info.
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DKX2_SANITIZE=ON >/dev/null
cmake --build "$asan" -j"$jobs"
(cd "$asan" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" --output-on-failure)
stage_done "sanitizer build and tests"

# --- 2. fuzzing -------------------------------------------------------------------------
fuzz="${KX2_FUZZ_DIR:-$root/build-fuzz}"
seconds="${KX2_FUZZ_SECONDS:-20}"
echo "== fuzz build ($fuzz)"
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX2_FUZZ=ON \
  -DKX2_BUILD_GUI=OFF -DKX2_BUILD_TESTS=OFF >/dev/null
cmake --build "$fuzz" -j"$jobs" --target kx2_fuzz
unset LSAN_OPTIONS
mkdir -p "$fuzz/artifacts"
status=0
for target in "$fuzz"/fuzz/*_fuzz; do
  name="$(basename "$target")"
  # New inputs go to the build folder; fuzz/corpus/ is only read.
  mkdir -p "$fuzz/corpus/$name"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  log="$fuzz/$name.log"
  if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$fuzz/artifacts/$name-" "$fuzz/corpus/$name" "${seeds[@]}" >"$log" 2>&1; then
    echo "$name: $(grep -E '^Done [0-9]+ runs' "$log" || echo done)"
  else
    echo "$name: FAILED (input kept in $fuzz/artifacts/)"
    tail -n 40 "$log"
    status=1
  fi
done
stage_done "fuzz build and runs"
exit "$status"
