#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (docs/robustness.md says more):
#   0. the portability check: no POSIX-only header where Windows builds too;
#   1. one clang build with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) that
#      serves both the tests and the libFuzzer targets (the code they reach carries the fuzzer's
#      coverage as well), so the program is compiled once for both;
#   2. the whole suite on it, windows included, failing on any report; meanwhile, at low
#      priority, the optimised build of the programs (build/, gcc), which `scripts/run.sh` starts;
#   3. the fuzz targets of the sanitizer build: their seed corpora replayed, then each run for
#      $KX2_FUZZ_SECONDS (10) seconds, two at a time;
#   4. the Debian package made from the optimised build, unpacked into an empty root and tested
#      as installed.
# Both builds compile the files in batches (KX2_UNITY): a clean build takes about half the time.
# KX2_QUICK=1 builds build/ with its tests and runs them once, without the sanitizers (quick local
# runs; CI runs the stages above).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
stage_start=$SECONDS
stage_done() { echo "== $1 took $((SECONDS - stage_start)) s"; stage_start=$SECONDS; }
bash "$root/scripts/deps.sh"
# Ninja schedules the two cores better than make; a folder made by another generator keeps it.
generator() { [ -f "$1/CMakeCache.txt" ] || ! command -v ninja >/dev/null || echo "-GNinja"; }

bash "$root/scripts/check_portability.sh"
stage_done "portability check"

if [ "${KX2_QUICK:-0}" = "1" ]; then
  bash "$root/scripts/build.sh"
  (cd "${KX2_BUILD_DIR:-$root/build}" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" --output-on-failure)
  stage_done "build and tests"
  echo "KX2_QUICK=1: sanitizers, optimised build and fuzzing skipped"
  exit 0
fi

# --- 1. the tests, under the sanitizers ---------------------------------------------------
# Any report ends the process with an error, leaks included. Leaks inside system libraries that
# Qt loads are listed in scripts/lsan.supp; nothing of ours is suppressed.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
asan="${KX2_ASAN_DIR:-$root/build-asan}"
echo "== sanitizer build with the fuzz targets ($asan)"
# -g1: line tables are all a report needs, and they compile a fifth faster than full debug info.
# Named on the command line, so that a folder made by another compiler is configured anew.
cmake -S "$root" -B "$asan" $(generator "$asan") -DCMAKE_CXX_COMPILER="$(command -v clang++)" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DKX2_SANITIZE=ON -DKX2_FUZZ=ON -DKX2_UNITY=ON >/dev/null
cmake --build "$asan" -j"$jobs"
stage_done "sanitizer build"

# --- 2. the optimised programs, built while the tests run ------------------------------------
# The tests leave about one core idle (the longest wait for the X server, the pseudo-terminal and
# the simulated station); the optimised build takes it, at low priority so that the tests keep
# theirs.
build="${KX2_BUILD_DIR:-$root/build}"
echo "== optimised build of the programs ($build), while the tests run"
cmake -S "$root" -B "$build" $(generator "$build") -DCMAKE_BUILD_TYPE="${KX2_BUILD_TYPE:-RelWithDebInfo}" -DKX2_UNITY=ON \
  >/dev/null
optimised_start=$SECONDS
nice -n 10 cmake --build "$build" -j"$jobs" --target kx2tool kx2ctl kx2_resources kx2_symbols \
  >"$build/optimised-build.log" 2>&1 &
optimised_pid=$!
trap 'kill "$optimised_pid" 2>/dev/null || true' EXIT
# One more test than cores: the longest ones (the program under an X server, kx2ctl against the
# simulator) spend much of their time waiting.
tests_status=0
(cd "$asan" && QT_QPA_PLATFORM=offscreen ctest -j"$((jobs + 1))" --output-on-failure) || tests_status=1
stage_done "sanitizer tests"
optimised_status=0
wait "$optimised_pid" || optimised_status=1
[ "$optimised_status" = 0 ] || tail -n 60 "$build/optimised-build.log"
echo "== optimised build took $((SECONDS - optimised_start)) s, of which $((SECONDS - stage_start)) s after the tests"
stage_start=$SECONDS
[ "$tests_status" = 0 ] && [ "$optimised_status" = 0 ] || exit 1
unset LSAN_OPTIONS

# --- 3. fuzzing, on the sanitizer build ---------------------------------------------------
fuzz="$asan"
seconds="${KX2_FUZZ_SECONDS:-10}"
echo "== fuzz runs ($fuzz/fuzz)"
mkdir -p "$fuzz/artifacts"
# One target: every seed input once, then new inputs for a while. New inputs go to the build
# folder; fuzz/corpus/ is only read.
fuzz_one() {
  local target="$1" name
  name="$(basename "$target")"
  mkdir -p "$fuzz/corpus/$name"
  local seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  local log="$fuzz/$name.log"
  if [ ${#seeds[@]} -gt 0 ] && ! "$target" -runs=0 -timeout=10 -rss_limit_mb=2048 "${seeds[@]}" >"$log.replay" 2>&1; then
    echo "$name: a seed input fails"
    tail -n 40 "$log.replay"
    return 1
  fi
  if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$fuzz/artifacts/$name-" "$fuzz/corpus/$name" "${seeds[@]}" >"$log" 2>&1; then
    echo "$name: $(grep -E '^Done [0-9]+ runs' "$log" || echo done)"
  else
    echo "$name: FAILED (input kept in $fuzz/artifacts/)"
    tail -n 40 "$log"
    return 1
  fi
}
status=0
pids=()
for target in "$fuzz"/fuzz/*_fuzz; do
  fuzz_one "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
stage_done "fuzz runs"

# --- 4. the Debian package, tested as installed -------------------------------------------
# Packed from the optimised build (no second build); scripts/package.sh alone builds the Release
# programs without the screenshot tour and runs lintian.
echo "== Debian package of the optimised build, tested as installed"
bash "$root/scripts/deps.sh" x11-utils xdotool
KX2_PACKAGE_FROM="$build" KX2_LINTIAN=0 bash "$root/scripts/package.sh"
bash "$root/tests/package/installed.sh" "$(ls "$build"/kx2tool_*.deb)"
stage_done "package and its test as installed"

exit "$status"
