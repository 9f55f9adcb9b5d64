#!/usr/bin/env bash
# The language kx2ctl speaks, one row each: --lang first, then the user's kept choice, then the
# system's interface language (English or not; the C locale stays German). The refusal of a wrong
# address range shows it before any port is opened. The runs keep their choice in a home of their own.
set -euo pipefail
ctl="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
fail=0
# LANG | kept choice | words before the command | first line of the refusal
while IFS='|' read -r lang kept words expected; do
  rm -rf "$home/kx2tool"
  if [ -n "$kept" ]; then mkdir -p "$home/kx2tool" && printf '[General]\nSprache=%s\n' "$kept" >"$home/kx2tool/Orte.ini"; fi
  # shellcheck disable=SC2086 # the words are split on purpose
  got="$(env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home" LANG="$lang" \
    "$ctl" $words read acc --from 0 --to 5 -o "$home/x.isd" 2>&1 | head -n 1 || true)"
  [ "$got" = "$expected" ] || { echo "LANG=$lang kept=$kept $words: '$got' instead of '$expected'"; fail=1; }
done <<'ROWS'
C||--lang en|Invalid address range!
C||--lang=en|Invalid address range!
C|||Ungültiger Adressbereich!
C||--lang de|Ungültiger Adressbereich!
en_US.UTF-8|||Invalid address range!
en_GB.UTF-8||--lang de|Ungültiger Adressbereich!
de_DE.UTF-8|||Ungültiger Adressbereich!
fr_FR.UTF-8|||Ungültiger Adressbereich!
C|en||Invalid address range!
en_US.UTF-8|de||Ungültiger Adressbereich!
en_US.UTF-8|de|--lang en|Invalid address range!
C||--lang fr|Ungültiger Wert für --lang: "fr" (de oder en)
ROWS
exit $fail
