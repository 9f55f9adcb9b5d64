#!/usr/bin/env bash
# Photographs every window of kx2tool on the built-in simulated command station (seeded with a
# few locomotives, accessories and feedback contacts) under a virtual X server, as PNG files in the given folder
# (default build/screenshots/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KX2_BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac

bash "$root/scripts/deps.sh"
# The tour is built in unless a build turned it off.
if [ ! -x "$build/kx2tool" ] || grep -q '^KX2_SCREENSHOT_TOUR:BOOL=OFF' "$build/CMakeCache.txt" 2>/dev/null; then
  bash "$root/scripts/build.sh" -DKX2_SCREENSHOT_TOUR=ON
fi
mkdir -p "$out"
rm -f "$out"/[0-9][0-9]_*.png

# A real X server, so that the windows are laid out and painted as on a desktop.
unset QT_QPA_PLATFORM
timeout 300 xvfb-run -a -s "-screen 0 1600x1000x24" "$build/kx2tool" --screenshots "$out"
ls "$out"/[0-9][0-9]_*.png
