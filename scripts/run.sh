#!/usr/bin/env bash
# Installs what is missing, builds, and starts kx2tool. Without a settings file beside the
# program it starts on the built-in simulated command station (port "SIM").
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build="${KX2_BUILD_DIR:-$root/build}"
exec "$build/kx2tool" --simulator "$@"
