#!/usr/bin/env bash
# Photographs every window of kx2tool on the built-in simulated command station (seeded with a
# few locomotives, accessories and feedback contacts) under a virtual X server, and the first page
# of each editor's printout (pdftoppm), as PNG files in the given folder
# (default build/screenshots/, with --lang en build/screenshots-en/).
#   scripts/screenshots.sh [--lang de|en] [--desktop dark|small] [FOLDER]
# --desktop dark: a shorter walk on a dark palette (pictures 80-84); --desktop small: on a
# 1024 x 600 screen (pictures 85-89). Either leaves the other pictures in the folder as they are.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KX2_BUILD_DIR:-$root/build}"
lang=()
desktop=()
folder=""
while [ $# -gt 0 ]; do
  case "$1" in
    --lang) lang=(--lang "$2"); shift 2 ;;
    --lang=*) lang=(--lang "${1#--lang=}"); shift ;;
    --desktop) desktop=(--screenshots-desktop "$2"); shift 2 ;;
    --desktop=*) desktop=(--screenshots-desktop "${1#--desktop=}"); shift ;;
    *) folder="$1"; shift ;;
  esac
done
default="$build/screenshots"
[ "${lang[1]:-de}" = de ] || default="$build/screenshots-${lang[1]}"
out="${folder:-$default}"
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac

bash "$root/scripts/deps.sh"
# The tour is built in unless a build turned it off.
if [ ! -x "$build/kx2tool" ] || grep -q '^KX2_SCREENSHOT_TOUR:BOOL=OFF' "$build/CMakeCache.txt" 2>/dev/null; then
  bash "$root/scripts/build.sh" -DKX2_SCREENSHOT_TOUR=ON
fi
mkdir -p "$out"
screen=1600x1000
case "${desktop[1]:-}" in
  "") rm -f "$out"/[0-9][0-9]_*.png "$out"/[0-9][0-9]_*.pdf ;;
  dark) rm -f "$out"/8[0-4]_*.png ;;
  small) rm -f "$out"/8[5-9]_*.png; screen=1024x600 ;;
  *) echo "screenshots.sh: --desktop dark or small" >&2; exit 2 ;;
esac

# A real X server, so that the windows are laid out and painted as on a desktop.
unset QT_QPA_PLATFORM
timeout 300 xvfb-run -a -s "-screen 0 ${screen}x24" "$build/kx2tool" "${lang[@]}" --screenshots "$out" "${desktop[@]}"
# The tour leaves the printouts as PDF files: the first page of each becomes its picture.
for pdf in "$out"/[0-9][0-9]_*.pdf; do
  [ -e "$pdf" ] || continue
  pdftoppm -png -r 110 -singlefile -f 1 -l 1 "$pdf" "${pdf%.pdf}"
  rm -f "$pdf"
done
ls "$out"/[0-9][0-9]_*.png
