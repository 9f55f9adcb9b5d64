#!/usr/bin/env bash
# Fails when a header that exists only on POSIX systems is included in a file that is built on
# Windows too. Such includes belong in files named *_posix.cpp (built only where they exist, see
# CMakeLists.txt) or in the parts built only on POSIX (fuzz/ with clang's libFuzzer, bench/).
set -euo pipefail
cd "$(dirname "$0")/.."
posix_only='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(unistd|termios|fcntl|poll|pthread|pty|dlfcn|dirent|signal|syslog|pwd|grp|netdb|strings)\.h>|^[[:space:]]*#[[:space:]]*include[[:space:]]*<(sys|linux|arpa|netinet)/'
found=$(git ls-files '*.cpp' '*.h' \
  | grep -vE '_posix\.(cpp|h)$' \
  | grep -vE '^(fuzz|bench)/' \
  | xargs -r grep -nE "$posix_only" || true)
if [ -n "$found" ]; then
  echo "POSIX-only headers in files that are built on Windows too (move them into a *_posix.cpp):"
  echo "$found"
  exit 1
fi
echo "portability: no POSIX-only header outside the POSIX-only files"
