#!/usr/bin/env bash
# Regenerates the user guide's pictures in docs/screenshots from the demo configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
ZEL_TARGET=zelshots scripts/setup.sh build
QT_QPA_PLATFORM=offscreen build/tools/zelshots/zelshots docs/demo/house.zel docs/screenshots
