#!/usr/bin/env bash
# Plants small faults in the core one at a time and checks that the in-process tests catch each.
#
#   bash scripts/mutate.sh [table] [filter]
#
# The table (scripts/mutants.txt by default) has one fault per line, fields separated by " | ":
#   file | text to change | its replacement | the behaviour that must catch it
# The text must occur in the file exactly once. Blank lines and lines starting with # are skipped.
# `filter` keeps only the lines that contain it. Each fault is built into build/ (or
# $KX2_BUILD_DIR, files compiled one by one), the core, command-line and window tests run
# without the end-to-end programs, and the file is put back however the run ends. Not part of
# CI: every fault is a build and a test run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
table="${1:-$root/scripts/mutants.txt}"
filter="${2:-}"
build="${KX2_BUILD_DIR:-$root/build}"
jobs="$(nproc)"

bash "$root/scripts/deps.sh"
gen=()
[ -f "$build/CMakeCache.txt" ] || ! command -v ninja >/dev/null || gen=(-GNinja)
cmake -S "$root" -B "$build" "${gen[@]}" -DKX2_UNITY=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target kx2_core_tests kx2_gui_tests kx2_cli_tests >/dev/null
runTests() { (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" -E '^Kx2(ctl|tool)\.' >/dev/null 2>&1); }
# A fault counts as caught only where the tree without it passes.
runTests || { echo "the tests fail without any planted fault: mend that first"; exit 1; }

saved=""
target=""
restore() { if [ -n "$target" ]; then cp "$saved" "$target"; target=""; fi; }
trap 'restore; rm -f "$saved"' EXIT
saved="$(mktemp)"

caught=0
missed=0
broken=0
missedLines=()
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in ''|'#'*) continue ;; esac
  if [ -n "$filter" ] && [[ "$line" != *"$filter"* ]]; then continue; fi
  file="$(awk -F' [|] ' '{print $1}' <<<"$line")"
  what="$(awk -F' [|] ' '{print $4}' <<<"$line")"
  path="$root/$file"
  cp "$path" "$saved"
  target="$path"
  if ! python3 - "$path" "$line" <<'EOF'
import sys
path, line = sys.argv[1], sys.argv[2]
fields = line.split(' | ')
old, new = fields[1], fields[2]
text = open(path, encoding='utf-8').read()
if text.count(old) != 1:
    sys.exit(f"{path}: the text occurs {text.count(old)} times: {old}")
open(path, 'w', encoding='utf-8').write(text.replace(old, new))
EOF
  then
    restore
    broken=$((broken + 1))
    continue
  fi
  if ! cmake --build "$build" -j"$jobs" --target kx2_core_tests kx2_gui_tests kx2_cli_tests >/dev/null 2>&1; then
    echo "does not build: $file: $what"
    restore
    broken=$((broken + 1))
    continue
  fi
  if runTests; then
    echo "MISSED: $file: $what"
    missed=$((missed + 1))
    missedLines+=("$line")
  else
    echo "caught: $file: $what"
    caught=$((caught + 1))
  fi
  restore
done <"$table"

# The tree as it was, built again, so that the next run starts from it.
cmake --build "$build" -j"$jobs" --target kx2_core_tests kx2_gui_tests kx2_cli_tests >/dev/null 2>&1 || true
echo "== $caught of $((caught + missed)) planted faults caught ($broken could not be planted)"
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ]
