#!/usr/bin/env bash
# kx2tool where no display is named, one row each: the help prints on standard output; any other
# start ends with 1 and says why on standard error, in the language it is told.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
fail=0
# words | exit code | out or err | a line that stream holds
while IFS='|' read -r words code stream expected; do
  # shellcheck disable=SC2086 # the words are split on purpose
  env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home" LANG=C "$1" $words >"$home/out" 2>"$home/err"; got=$?
  { [ "$got" = "$code" ] && grep -qF -- "$expected" "$home/$stream"; } || { echo "'$words': exit $got"; cat "$home"/out "$home"/err; fail=1; }
done <<'ROWS'
--help|0|out|--program-folder <ordner>
|1|err|kx2tool: kein Bildschirm gefunden, an dem sich das Programm zeigen kann
--lang en|1|err|kx2tool: no display found
ROWS
exit $fail
