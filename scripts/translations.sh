#!/usr/bin/env bash
# Brings translations/kx2tool_en.ts up to date with the texts in the sources: new texts arrive
# unfinished, texts no longer in the sources leave. Every one is then translated in the file.
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language de -target-language en \
  shell link dbproto records loco accessory feedback routes sim app cli -ts translations/kx2tool_en.ts
