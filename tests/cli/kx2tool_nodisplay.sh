#!/usr/bin/env bash
# kx2tool where no display is named, one row each: the help and the version need none and print
# on standard output; any other start ends with exit 1 and says why on standard error, in the
# language it is told. The runs keep what they keep in a home of their own.
set -euo pipefail
tool="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
fail=0
# words | exit code | out or err | a line that stream holds
while IFS='|' read -r words code stream expected; do
  got=0
  # shellcheck disable=SC2086 # the words are split on purpose
  env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home" LANG=C "$tool" $words >"$home/out" 2>"$home/err" || got=$?
  [ "$got" = "$code" ] || { echo "'$words': exit $got instead of $code"; fail=1; }
  grep -qF -- "$expected" "$home/$stream" || { echo "'$words': no '$expected' on std$stream"; cat "$home/out" "$home/err"; fail=1; }
done <<'ROWS'
--help|0|out|--program-folder <ordner>
-h --lang en|0|out|--program-folder <folder>
--version|0|out|kx2tool
|1|err|kx2tool: kein Bildschirm gefunden, an dem sich das Programm zeigen kann
--simulator|1|err|kx2ctl --help
--lang en|1|err|kx2tool: no display found
ROWS
exit $fail
