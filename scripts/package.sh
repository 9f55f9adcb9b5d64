#!/usr/bin/env bash
# Builds the Release programs (without the screenshot tour and the tests) and the Debian package
# kx2tool_VERSION_ARCH.deb with CPack in build-package/ (or $KX2_PACKAGE_DIR); checks the desktop
# entry, the AppStream data, the manual pages and the package (lintian: no errors), and prints the
# package's path and size.
#   KX2_PACKAGE_FROM=DIR  packages the programs of a build folder configured already (CI takes the
#                         optimised build of scripts/test.sh) instead of building its own;
#   KX2_LINTIAN=0         leaves lintian out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tools=(dpkg-dev desktop-file-utils appstream groff-base)
[ "${KX2_LINTIAN:-1}" = "0" ] || tools+=(lintian)
bash "$root/scripts/deps.sh" "${tools[@]}"
targets=(kx2tool kx2ctl kx2_resources kx2_symbols kx2_dist)

if [ -n "${KX2_PACKAGE_FROM:-}" ]; then
  build="$KX2_PACKAGE_FROM"
  cmake -S "$root" -B "$build" >/dev/null
else
  build="${KX2_PACKAGE_DIR:-$root/build-package}"
  gen=()
  [ -f "$build/CMakeCache.txt" ] || ! command -v ninja >/dev/null || gen=(-GNinja)
  # Debian's hardening flags (stack protector, fortified functions, read-only relocations), without
  # the debug information the package would strip again.
  cxxflags="$(dpkg-buildflags --get CXXFLAGS | sed 's/\(^\| \)-g\( \|$\)/ /') $(dpkg-buildflags --get CPPFLAGS)"
  ldflags="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
  cmake -S "$root" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release -DKX2_SCREENSHOT_TOUR=OFF -DKX2_BUILD_TESTS=OFF \
    -DKX2_UNITY=ON -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null

# What the desktop and the manual read, checked before it is packed.
desktop-file-validate "$root/dist/org.kx2tool.kx2tool.desktop"
appstreamcli validate --no-net "$build/dist/org.kx2tool.kx2tool.metainfo.xml" >/dev/null
for page in "$build"/dist/*.1; do
  warnings="$(groff -man -ww -z "$page" 2>&1)"
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done

rm -f "$build"/kx2tool_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/kx2tool_*.deb)"
if [ "${KX2_LINTIAN:-1}" != "0" ]; then
  lintian --fail-on error "$deb"
fi
echo "$deb $(stat -c %s "$deb") Bytes"
