#!/usr/bin/env bash
# kx2tool under a real X server (Xvfb): it starts, lays out and paints every window of the
# screenshot tour, and leaves one picture of each.
set -euo pipefail
tool="$1"
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run is not installed (scripts/deps.sh installs it)"; exit 1
fi
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
unset QT_QPA_PLATFORM
timeout 240 xvfb-run -a -s "-screen 0 1600x1000x24" "$tool" --screenshots "$out"
n=$(ls "$out"/[0-9][0-9]_*.png | wc -l)
[ "$n" -ge 14 ] || { echo "only $n pictures"; ls -la "$out"; exit 1; }
for f in "$out"/[0-9][0-9]_*.png; do
  [ "$(stat -c %s "$f")" -gt 2000 ] || { echo "$f is nearly empty"; exit 1; }
done
echo "kx2tool painted $n windows under Xvfb"
