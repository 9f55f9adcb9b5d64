#!/usr/bin/env bash
# The Debian package as a user gets it: unpacked into an empty root, the installed kx2ctl reads 20
# locomotives from the installed simulator over a pseudo-terminal, the installed kx2tool opens on
# the simulated station under a virtual X server with its symbol pictures and help text found,
# and what the programs write lands in the user's folders, never beside them.
set -euo pipefail
deb="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
work="$(mktemp -d)"
sim="" tool="" xvfb=""
stop() { for p in $tool $sim $xvfb; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null; done; rm -rf "$work" || true; }
trap stop EXIT
trap 'echo "failed at line $LINENO"; for f in "$work"/*.out; do echo "== $f"; cat "$f"; done' ERR

dpkg-deb -x "$deb" "$work/root"
bin="$work/root/usr/bin"
for f in kx2tool kx2ctl; do [ -x "$bin/$f" ] || { echo "$f not installed"; exit 1; }; done
for f in share/kx2tool/konf/hilfe.txt share/kx2tool/konf/hilfe_en.txt share/kx2tool/konf/kx2tool_en.qm share/kx2tool/konf/kx2tool_de.qm share/kx2tool/konf/lokfunktionen.txt \
         share/kx2tool/konf/Fkt_Symbole/S1.bmp share/kx2tool/konf/Mag_Symbole/S1.bmp \
         share/applications/org.kx2tool.kx2tool.desktop share/metainfo/org.kx2tool.kx2tool.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.kx2tool.kx2tool.svg share/icons/hicolor/48x48/apps/org.kx2tool.kx2tool.png \
         share/man/man1/kx2ctl.1.gz share/man/man1/kx2tool.1.gz share/bash-completion/completions/kx2ctl \
         share/doc/kx2tool/copyright; do
  [ -f "$work/root/usr/$f" ] || { echo "usr/$f missing from the package"; exit 1; }
done
# A user of their own: configuration and documents folders under a fresh home.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
unset XDG_DOCUMENTS_DIR QT_QPA_PLATFORM
mkdir -p "$HOME"
touch "$work/start"

# Without bash-completion kx2ctl's completion would never load.
dpkg-deb -f "$deb" Recommends | grep -qw bash-completion
"$bin/kx2ctl" --version | grep -q "^kx2ctl [0-9]*\.[0-9]*\.[0-9]*$"
"$bin/kx2tool" --version | grep -q "^Qt 6"
# The English translation is found where the package put it.
{ "$bin/kx2ctl" --lang en read acc --from 0 --to 5 -o "$work/x.isd" 2>&1 || true; } | grep -q "^Invalid address range!$"

"$bin/kx2ctl" sim --pty "$work/tty" --seed 20 >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$work/tty" ] && break; sleep 0.1; done
"$bin/kx2ctl" read loco --port "$work/tty" -o "$work/lok.isd" -q >"$work/read.out" 2>&1
grep -q "20 Lokomotiven gelesen" "$work/read.out"
kill "$sim"; wait "$sim" || true; sim=""
# The locomotive list's keyword table is found where the package put it: exported and read back.
"$bin/kx2ctl" export-roster "$work/lok.isd" -o "$work/roster" >/dev/null
grep -q "<functionlabel" "$work/roster/roster.xml"
"$bin/kx2ctl" import-roster "$work/roster/roster.xml" -i "$work/lok.isd" -o "$work/back.isd" | grep -q "^0 Lokomotiven geändert, 0 neu;"
"$bin/kx2ctl" read loco --port SIM -o "$work/sim.isd" -q >/dev/null
[ -f "$XDG_CONFIG_HOME/kx2tool/KX2_SIM.STATE" ] || { echo "the simulator's memory is not in the configuration folder"; exit 1; }

# The windowed program on a virtual X server: its main window and no word about missing files.
n=90
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=":$n"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.out" 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
# German, as the menu keys below and the title of the note about missing files are.
LANG=de_DE.UTF-8 LANGUAGE=de "$bin/kx2tool" --simulator >"$work/tool.out" 2>&1 &
tool=$!
window=""
for _ in $(seq 100); do
  window="$(xwininfo -root -tree 2>/dev/null | awk '/" *(TQ7|Kordavinex II) - Tool"/ {print $1; exit}')"
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no main window"; exit 1; }
sleep 1
! xwininfo -root -tree 2>/dev/null | grep -q '"Hinweis"' || { echo "the program misses its files"; exit 1; }
# Datei > Beenden: the settings are saved as the program ends.
xdotool windowfocus --sync "$window" key alt+d
sleep 0.5
xdotool key b
for _ in $(seq 100); do kill -0 "$tool" 2>/dev/null || break; sleep 0.1; done
wait "$tool"; tool=""
grep -q '^"SIM"' "$XDG_CONFIG_HOME/kx2tool/KX2_DF.INF" || { echo "no settings file in the configuration folder"; exit 1; }

# Nothing written beside the programs or anywhere else in the installed tree.
written="$(find "$work/root" -newer "$work/start")"
[ -z "$written" ] || { echo "written into the installed tree: $written"; exit 1; }
echo "the installed package reads, opens and keeps its files in the user's folders"
