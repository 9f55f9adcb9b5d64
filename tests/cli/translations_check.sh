#!/usr/bin/env bash
# The translations hold a finished text for every text of the sources (English), and for every
# German text with a count its singular and plural: lupdate over the sources into copies adds what
# is missing as unfinished, and nothing may be unfinished.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0
for lang in en de; do
  ts="$work/kx2tool_$lang.ts"
  cp "$root/translations/kx2tool_$lang.ts" "$ts"
  bash "$root/scripts/translations.sh" "$ts" 2>"$work/lupdate.err" || { cat "$work/lupdate.err"; exit 1; }
  if grep -q 'type="unfinished"' "$ts"; then
    echo "Unfinished in kx2tool_$lang.ts (scripts/translations.sh, then translate them in the .ts):"
    grep -B 1 'type="unfinished"' "$ts" | grep '<source>'
    fail=1
  fi
done
exit $fail
