#!/usr/bin/env bash
# Installs what building and testing need on Debian, when it is missing, and the packages named
# as arguments.
set -euo pipefail
# qt6-translations-l10n: Qt's own dialogs and buttons in German and English. qt6-l10n-tools: lupdate and lrelease for our translation. poppler-utils: the printed tables' text, groff-base: the manual pages as man shows them, both for the tests.
pkgs=(build-essential cmake ninja-build lld qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-l10n-tools libgtest-dev xvfb xauth clang libclang-rt-dev poppler-utils groff-base)
# More for one task, given as arguments (scripts/package.sh: the packaging and checking tools).
pkgs+=("$@")
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
