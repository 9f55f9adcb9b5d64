#!/usr/bin/env bash
# kx2ctl end to end over a pseudo-terminal: the simulated command station serves a real serial
# path, kx2ctl reads it into a file, sends the file back with the check, compares files and
# refuses what it must, with its words and exit codes. What the transfers, files, backups and
# faults do in detail is held by the in-process tests (tests/core); this run shows the pieces fit.
set -euo pipefail
ctl="$1"
work="$(mktemp -d)"
trap 'kill $sim 2>/dev/null && wait $sim 2>/dev/null; rm -rf "$work" || true' EXIT
trap 'echo "failed at line $LINENO"; for f in "$work"/*.err "$work"/sim.out; do echo "== $f"; cat "$f"; done' ERR

"$ctl" sim --pty "$work/tty" --state "$work/station.state" --seed 7 >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$work/tty" ] && break; sleep 0.1; done
[ -e "$work/tty" ] || { echo "simulator did not start"; cat "$work/sim.out"; exit 1; }

"$ctl" read loco --port "$work/tty" -o "$work/a.isd" --trace "$work/trace.txt" -q >"$work/read.out" 2>"$work/read.err"
grep -q "7 Lokomotiven gelesen" "$work/read.out"
[ ! -s "$work/read.err" ] || { echo "--quiet printed more than errors"; exit 1; }
[ "$(wc -l <"$work/a.isd")" -eq 42089 ] || { echo "table file has the wrong length"; exit 1; }
grep -q "^TX ED 1F " "$work/trace.txt" || { echo "trace lacks requests"; exit 1; }
grep -q "^RX B4 6D 7F " "$work/trace.txt" || { echo "trace lacks acknowledges"; exit 1; }
"$ctl" show "$work/a.isd" | grep -q "Lokomotiven: 7" || { echo "show does not list 7 locomotives"; exit 1; }
# A command's help names the command as a user calls it, not the path the program was started by.
[ "$("$ctl" read --help | head -1)" = "Aufruf: kx2ctl read loco|acc|fb|routes -o DATEI.isd [--from A --to B] [Optionen]" ] \
  || { echo "read --help: wrong usage line"; exit 1; }
# The printout without a display: a page count on the terminal, the pages in the file.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ctl" show "$work/a.isd" --pdf "$work/a.pdf" | grep -qE "a.pdf: [0-9]+ Seite" \
  || { echo "show --pdf wrote no printout"; exit 1; }
if command -v pdftotext >/dev/null; then
  pdftotext -layout "$work/a.pdf" - | grep -q "Seite 1 von" || { echo "the printout lacks its page footer"; exit 1; }
fi

# Without --yes and without a terminal the question is refused and nothing is sent.
if "$ctl" send loco -i "$work/a.isd" --port "$work/tty" </dev/null >"$work/send0.out" 2>"$work/send0.err"; then
  echo "send without --yes should not succeed"; exit 1
fi
grep -q "Nicht gesendet" "$work/send0.out"
"$ctl" send loco -i "$work/a.isd" --port "$work/tty" --yes --verify -q >"$work/send.out" 2>"$work/send.err" \
  || { cat "$work/send.err"; exit 1; }
grep -q "Gesendet und geprüft" "$work/send.out"

# A file compared with itself, with a CSV-edited copy and with a file of another kind (exit
# codes 0, 1, 2); the last feedback contact gives the other kind.
"$ctl" read fb --from 4096 --to 4096 --port "$work/tty" -o "$work/rm.isd" -q >/dev/null 2>"$work/fb.err"
grep -q "Adressbereich: 4096 bis 4096" <("$ctl" show "$work/rm.isd") || { echo "fb: range not in the file"; exit 1; }
"$ctl" diff "$work/a.isd" "$work/a.isd" >/dev/null
"$ctl" show "$work/a.isd" --csv | sed '2s/^\([0-9]*\);[^;]*;/\1;Umbenannt;/' >"$work/lok.csv"
"$ctl" import-csv loco "$work/lok.csv" -i "$work/a.isd" -o "$work/neu.isd" >/dev/null
same=0 kinds=0
"$ctl" diff "$work/a.isd" "$work/neu.isd" >"$work/diff.out" || same=$?
"$ctl" diff "$work/a.isd" "$work/rm.isd" 2>/dev/null || kinds=$?
[ "$same$kinds" = 12 ] || { echo "diff exit codes $same $kinds"; exit 1; }
grep -qE "^Lok [0-9]+: Name in A '.*', in B 'Umbenannt'$" "$work/diff.out" || { cat "$work/diff.out"; exit 1; }

# Refusals in the program's words, before the port is used.
if "$ctl" read acc --from 20 --to 10 --port "$work/tty" -o "$work/r.isd" 2>"$work/range.err"; then exit 1; fi
grep -q "Ungültiger Adressbereich" "$work/range.err"
rc=0; "$ctl" read acc --from 1 --to 1e3 --port "$work/tty" -o "$work/e.isd" 2>"$work/num.err" || rc=$?; { [ "$rc" = 2 ] && [ ! -e "$work/e.isd" ] && grep -q -- "--to: \"1e3\"" "$work/num.err"; } || { echo "--to 1e3 not refused"; exit 1; }
printf '"KX2-Magnetartikeldaten Version 1.0"\r\n' >"$work/acc.isd"
if "$ctl" send fb -i "$work/acc.isd" --port "$work/tty" --yes 2>"$work/kind.err"; then exit 1; fi
grep -q "Falsches Fileformat" "$work/kind.err"
# A file that cannot be written is refused before the port is opened: the trace stays empty.
if "$ctl" read loco --port "$work/tty" -o "$work/no/such/folder/x.isd" --trace "$work/nowrite.trace" 2>"$work/nowrite.err"; then exit 1; fi
grep -q "Fehler beim Speichern des Files" "$work/nowrite.err"
[ ! -s "$work/nowrite.trace" ] || { echo "the port was opened for a file that cannot be written"; exit 1; }
# A port that does not exist: 990098 in words, non-zero exit.
if "$ctl" read loco --port "$work/nothing" -o "$work/c.isd" 2>"$work/noport.err"; then exit 1; fi
grep -q "Kann nicht geöffnet werden" "$work/noport.err"

kill $sim; wait $sim || true
! grep -q "Protokollverstöße" "$work/sim.out" || { cat "$work/sim.out"; exit 1; }

# Every record read but the end of the access refused: the file is saved, the access said to be perhaps open.
"$ctl" sim --pty "$work/tty2" --state "$work/station.state" --refuse-close >"$work/sim2.out" 2>&1 & sim=$!
for _ in $(seq 50); do [ -e "$work/tty2" ] && break; sleep 0.1; done
"$ctl" read loco --port "$work/tty2" -o "$work/u.isd" -q >/dev/null 2>"$work/unclosed.err"
grep -q "vollständig gelesen; der Datenbankzugriff der Zentrale ist aber möglicherweise noch offen" "$work/unclosed.err"
"$ctl" show "$work/u.isd" | grep -q "Lokomotiven: 7"
echo "kx2ctl round trip passed"
