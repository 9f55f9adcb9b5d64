#!/usr/bin/env bash
# The manual pages at 80 columns: every option name they mention stands whole on one line, so that
# a search in the pager finds it.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
command -v groff >/dev/null || { echo "groff missing: skipped"; exit 0; }
fail=0
for page in "$root"/dist/man/*.1; do
  shown="$(groff -man -Tutf8 -rLL=80n -P-cbou "$page" 2>/dev/null)"
  for option in $(sed 's/\\-/-/g' "$page" | grep -o -- '--[a-z][a-z0-9-]*[a-z0-9]' | sort -u); do
    grep -q -- "$option" <<<"$shown" || { echo "$(basename "$page"): $option is broken or missing"; fail=1; }
  done
done
exit $fail
