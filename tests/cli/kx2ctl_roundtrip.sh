#!/usr/bin/env bash
# kx2ctl end to end over a pseudo-terminal: the simulated command station serves a real serial
# path, kx2ctl reads it into a file, the file is sent back and read again. The second argument
# names the part (loco, acc, fb-routes, refusals, verify, station, tcp), so that the parts run side by side.
# The part tcp serves the simulator as an LbServer and goes over a tcp: port instead.
set -euo pipefail
ctl="$1"
part="$2"
work="$(mktemp -d)"
trap 'kill $sim 2>/dev/null && wait $sim 2>/dev/null; rm -rf "$work" || true' EXIT
trap 'echo "failed at line $LINENO"; for f in "$work"/*.err "$work"/sim.out; do echo "== $f"; cat "$f"; done' ERR

case "$part" in
acc) seeds=(--seed-acc 2048) ;;
fb-routes) seeds=(--seed-fb 4096 --seed-routes 80) ;;
*) seeds=(--seed 7) ;;
esac
if [ "$part" = tcp ]; then
  "$ctl" sim --lbserver 0 --state "$work/station.state" --seed 500 >"$work/sim.out" 2>"$work/sim.err" &
  sim=$!
  for _ in $(seq 50); do grep -q '^tcp:' "$work/sim.out" && break; sleep 0.1; done
  port="$(grep '^tcp:' "$work/sim.out")"
  "$ctl" read loco --port "$port" -o "$work/a.isd" 2>"$work/read.err"
  "$ctl" send loco -i "$work/a.isd" --port "$port" --yes >"$work/send.out" 2>"$work/send.err" || { cat "$work/send.err"; exit 1; }
  "$ctl" read loco --port "$port" -o "$work/b.isd" 2>>"$work/read.err"
  "$ctl" show "$work/a.isd" | grep -v "^Datei:" >"$work/a.show"
  "$ctl" show "$work/b.isd" | grep -v "^Datei:" >"$work/b.show"
  grep -q "Lokomotiven: 500" "$work/a.show"
  cmp -s "$work/a.show" "$work/b.show" || { echo "tcp: read back differs"; exit 1; }
  kill $sim; wait $sim || true
  ! grep -q "Protokollverstöße" "$work/sim.err" || { cat "$work/sim.err"; exit 1; }
  # Nobody listens any more: refused at once, with the server named.
  if "$ctl" read loco --port "$port" -o "$work/c.isd" 2>"$work/refused.err"; then exit 1; fi
  grep -q "Verbindung zu ${port#tcp:} abgelehnt" "$work/refused.err"
  echo "kx2ctl round trip (tcp) passed"
  exit 0
fi
"$ctl" sim --pty "$work/tty" --state "$work/station.state" "${seeds[@]}" >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$work/tty" ] && break; sleep 0.1; done
[ -e "$work/tty" ] || { echo "simulator did not start"; cat "$work/sim.out"; exit 1; }

case "$part" in
loco)
"$ctl" read loco --port "$work/tty" -o "$work/a.isd" --trace "$work/trace.txt" 2>"$work/read.err"
[ "$(wc -l <"$work/a.isd")" -eq 42089 ] || { echo "table file has the wrong length"; exit 1; }
grep -q "^TX ED 1F " "$work/trace.txt" || { echo "trace lacks requests"; exit 1; }
grep -q "^RX B4 6D 7F " "$work/trace.txt" || { echo "trace lacks acknowledges"; exit 1; }
"$ctl" show "$work/a.isd" | grep -q "Lokomotiven: 7" || { echo "show does not list 7 locomotives"; exit 1; }

# Without --yes and without a terminal the question is refused and nothing is sent.
if "$ctl" send loco -i "$work/a.isd" --port "$work/tty" </dev/null >"$work/send0.out" 2>"$work/send0.err"; then
  echo "send without --yes should not succeed"; exit 1
fi
grep -q "Nicht gesendet" "$work/send0.out"

"$ctl" send loco -i "$work/a.isd" --port "$work/tty" --yes >"$work/send.out" 2>"$work/send.err" || { cat "$work/send.err"; exit 1; }
grep -q "Gesendet" "$work/send.out"
"$ctl" read loco --port "$work/tty" -o "$work/b.isd" 2>/dev/null
"$ctl" show "$work/b.isd" | grep -q "Lokomotiven: 7"
;;
acc|fb-routes)
# Accessories over a range that spans two areas, feedback contacts up to the last one (the
# ranges' edges are RangeDatabaseTest's).
ranges=("acc 16 17")
[ "$part" = acc ] || ranges=("fb 4090 4096")
for db in "${ranges[@]}"; do
  set -- $db
  "$ctl" read "$1" --from "$2" --to "$3" --port "$work/tty" -o "$work/$1.isd" 2>"$work/$1.err"
  "$ctl" show "$work/$1.isd" >"$work/$1.show"
  grep -q "Adressbereich: $2 bis $3" "$work/$1.show" || { echo "$1: range not in the file"; exit 1; }
  "$ctl" send "$1" -i "$work/$1.isd" --port "$work/tty" --yes 2>>"$work/$1.err" || { cat "$work/$1.err"; exit 1; }
  "$ctl" read "$1" --from "$2" --to "$3" --port "$work/tty" -o "$work/$1-again.isd" 2>>"$work/$1.err"
  "$ctl" show "$work/$1-again.isd" | diff - "$work/$1.show" | grep -v "^[<>] Datei:\|^---\|^[0-9]" && { echo "$1: read back differs"; exit 1; }
done
[ "$part" = acc ] && exit 0
# Routes: names in the command station, entries in its route module; 72 of the 80 have a start.
"$ctl" read routes --port "$work/tty" -o "$work/fs.isd" --trace "$work/fs.trace" 2>"$work/fs.err"
[ "$(wc -l <"$work/fs.isd")" -eq 6085 ] || { echo "route file has the wrong length"; exit 1; }
grep -q "^TX ED 0F 08 05 00 21 71 0D 19 00 00 7F 7F 00 " "$work/fs.trace" || { echo "no programming-on in the trace"; exit 1; }
"$ctl" show "$work/fs.isd" >"$work/fs.show"
grep -q "Fahrstraßen mit Start: 72" "$work/fs.show" && grep -q "Befehl24: " "$work/fs.show" || { echo "routes not shown"; exit 1; }
"$ctl" send routes -i "$work/fs.isd" --port "$work/tty" --yes 2>>"$work/fs.err" || { cat "$work/fs.err"; exit 1; }
"$ctl" read routes --port "$work/tty" -o "$work/fs-again.isd" 2>>"$work/fs.err"
"$ctl" show "$work/fs-again.isd" | diff - "$work/fs.show" | grep -v "^[<>] Datei:\|^---\|^[0-9]" && { echo "routes: read back differs"; exit 1; }
;;
refusals)
if "$ctl" read acc --from 20 --to 10 --port "$work/tty" -o "$work/r.isd" 2>"$work/range.err"; then exit 1; fi
grep -q "Ungültiger Adressbereich" "$work/range.err"
rc=0; "$ctl" read acc --from 1 --to 1e3 --port "$work/tty" -o "$work/e.isd" 2>"$work/num.err" || rc=$?; { [ "$rc" = 2 ] && [ ! -e "$work/e.isd" ] && grep -q -- "--to: \"1e3\"" "$work/num.err"; } || { echo "--to 1e3 not refused"; exit 1; }
printf '"KX2-Magnetartikeldaten Version 1.0"\r\n' >"$work/acc.isd"
if "$ctl" send fb -i "$work/acc.isd" --port "$work/tty" --yes 2>"$work/kind.err"; then exit 1; fi
grep -q "Falsches Fileformat" "$work/kind.err"

# A file that is not a table file is refused with the program's words.
printf '"KX2-Lokdatensatz Version 1.0"\r\n' >"$work/wrong.isd"
if "$ctl" send loco -i "$work/wrong.isd" --port "$work/tty" --yes 2>"$work/wrong.err"; then exit 1; fi
grep -q "Falsches Fileformat" "$work/wrong.err"

# A file that cannot be written is refused before the port is opened: the trace stays empty.
if "$ctl" read loco --port "$work/tty" -o "$work/no/such/folder/x.isd" --trace "$work/nowrite.trace" 2>"$work/nowrite.err"; then exit 1; fi
grep -q "Fehler beim Speichern des Files" "$work/nowrite.err"
[ ! -s "$work/nowrite.trace" ] || { echo "the port was opened for a file that cannot be written"; exit 1; }

# A port that does not exist: 990098 in words, non-zero exit.
if "$ctl" read loco --port "$work/nothing" -o "$work/c.isd" 2>"$work/noport.err"; then exit 1; fi
grep -q "Kann nicht geöffnet werden" "$work/noport.err"
;;
verify)
# The check after a send: all equal, exit 0; a station that stores a byte wrongly, non-zero
# with the record and the field named.
"$ctl" read loco --port "$work/tty" -o "$work/a.isd" -q >"$work/read.out" 2>"$work/read.err"
grep -q "7 Lokomotiven gelesen" "$work/read.out"
[ ! -s "$work/read.err" ] || { echo "--quiet printed more than errors"; exit 1; }
"$ctl" send loco -i "$work/a.isd" --port "$work/tty" --yes --verify -q >"$work/good.out" 2>"$work/good.err" \
  || { cat "$work/good.err"; exit 1; }
grep -q "Gesendet und geprüft" "$work/good.out"
"$ctl" sim --pty "$work/tty2" --state "$work/bad.state" --seed 7 --corrupt-writes-every 2 >"$work/sim2.out" 2>&1 &
sim2=$!
trap 'kill $sim $sim2 2>/dev/null; wait 2>/dev/null; rm -rf "$work" || true' EXIT
for _ in $(seq 50); do [ -e "$work/tty2" ] && break; sleep 0.1; done
if "$ctl" send loco -i "$work/a.isd" --port "$work/tty2" --yes --verify >"$work/bad.out" 2>"$work/bad.err"; then
  echo "a send with differences should not succeed"; exit 1
fi
grep -q "Fehler beim Prüfen der Datenbank" "$work/bad.err"
grep -qE "^Lok [0-9]+: [^ ].* gesendet .*, gelesen " "$work/bad.err" || { cat "$work/bad.err"; exit 1; }
;;
station)
# The whole station into a folder; a file compared with itself, with a CSV-edited copy and with
# a file of another kind (exit codes 0, 1, 2).
"$ctl" backup -d "$work/bk" --port "$work/tty" -q >"$work/bk.out" 2>"$work/bk.err"
grep -q "^seriennummer=1200066051$" "$work/bk/sicherung.txt"
"$ctl" diff "$work/bk/lokdaten.isd" "$work/bk/lokdaten.isd" >/dev/null
"$ctl" show "$work/bk/lokdaten.isd" --csv | sed '2s/^\([0-9]*\);[^;]*;/\1;Umbenannt;/' >"$work/lok.csv"
"$ctl" import-csv loco "$work/lok.csv" -i "$work/bk/lokdaten.isd" -o "$work/neu.isd" >/dev/null
same=0 kinds=0
"$ctl" diff "$work/bk/lokdaten.isd" "$work/neu.isd" >"$work/diff.out" || same=$?
"$ctl" diff "$work/bk/lokdaten.isd" "$work/bk/rueckmelder.isd" 2>/dev/null || kinds=$?
[ "$same$kinds" = 12 ] || { echo "diff exit codes $same $kinds"; exit 1; }
grep -qE "^Lok [0-9]+: Name in A '.*', in B 'Umbenannt'$" "$work/diff.out" || { cat "$work/diff.out"; exit 1; }
# A save error on lines of its own, no carriage return; a restore with --verify to a station
# that stores a byte wrongly ends non-zero with the check named.
if "$ctl" backup -d "$work/bk/lokdaten.isd/x" --port "$work/tty" -q 2>"$work/nobk.err"; then exit 1; fi
grep -qx "ein Teil des Pfads ist kein Ordner" "$work/nobk.err"
if grep -q $'\r' "$work/nobk.err"; then echo "a carriage return in a summary line"; exit 1; fi
"$ctl" sim --pty "$work/tty2" --state "$work/bad.state" --seed 7 --corrupt-writes-every 2 >"$work/sim2.out" 2>&1 &
sim2=$!
trap 'kill $sim $sim2 2>/dev/null; wait 2>/dev/null; rm -rf "$work" || true' EXIT
for _ in $(seq 50); do [ -e "$work/tty2" ] && break; sleep 0.1; done
if "$ctl" restore -d "$work/bk" --port "$work/tty2" --yes --verify -q 2>"$work/rs.err"; then exit 1; fi
grep -q "Fehler beim Prüfen der Datenbank" "$work/rs.err"
grep -q "^Fehler beim Senden oder Prüfen: Lokomotiven;" "$work/rs.err" || { cat "$work/rs.err"; exit 1; }
;;
*) echo "unknown part $part"; exit 2 ;;
esac
echo "kx2ctl round trip ($part) passed"
