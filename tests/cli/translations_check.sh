#!/usr/bin/env bash
# translations/kx2tool_en.ts holds a finished English text for every text of the sources: lupdate
# over the sources into a copy adds what is missing as unfinished, and nothing may be unfinished.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/translations/kx2tool_en.ts" "$work/kx2tool_en.ts"
bash "$root/scripts/translations.sh" "$work/kx2tool_en.ts" 2>"$work/lupdate.err" || { cat "$work/lupdate.err"; exit 1; }
if grep -q 'type="unfinished"' "$work/kx2tool_en.ts"; then
  echo "Without a finished English text (scripts/translations.sh, then translate them in the .ts):"
  grep -B 1 'type="unfinished"' "$work/kx2tool_en.ts" | grep '<source>'
  exit 1
fi
