#!/usr/bin/env bash
# Brings translations/kx2tool_en.ts up to date with the texts in the sources: new texts arrive
# unfinished, texts no longer in the sources leave. Every one is then translated in the file.
# Another .ts may be named instead (the test checks a copy).
set -euo pipefail
# -I .: the sources include by path from the top (shell/gui/OptWin.h); only through them does lupdate
# see that OptWin lives in namespace kx2, the context its tr() uses at run time.
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language de -target-language en -I . \
  shell link dbproto records editor loco accessory feedback routes sim app cli -ts "${1:-translations/kx2tool_en.ts}"
