#!/usr/bin/env bash
# Brings the translations up to date with the texts in the sources: new texts arrive unfinished,
# texts no longer in the sources leave. Every one is then translated in the file.
# translations/kx2tool_en.ts holds every text in English; translations/kx2tool_de.ts only the
# German texts with a count (%n), whose singular and plural the sources cannot spell at once.
# Other .ts files may be named instead (the test checks copies); a name ending in _de.ts is German.
set -euo pipefail
# -I .: the sources include by path from the top (shell/gui/OptWin.h); only through them does lupdate
# see that OptWin lives in namespace kx2, the context its tr() uses at run time.
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- translations/kx2tool_en.ts translations/kx2tool_de.ts
for ts in "$@"; do
  case "$ts" in
    *_de.ts) lang=(-pluralonly -target-language de) ;;
    *) lang=(-target-language en) ;;
  esac
  /usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language de "${lang[@]}" -I . \
    shell link dbproto records editor loco accessory feedback routes sim app cli -ts "$ts"
done
