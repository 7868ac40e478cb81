#!/usr/bin/env bash
# Regenerates the user guide's pictures in docs/screenshots from the demo configuration: the
# window's pages and dialogs (Compare, History, Copy Zone Settings), and a page of its report
# (pdftoppm, from poppler-utils).
set -euo pipefail
cd "$(dirname "$0")/.."
ZEL_TARGET="zelshots zeltool" scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
build/tools/zelshots/zelshots docs/demo/house.zel docs/screenshots
report=$(mktemp --suffix=.pdf)
trap 'rm -f "$report"' EXIT
build/tools/zeltool/zeltool report docs/demo/house.zel --paper A4 -o "$report"
pdftoppm -png -r 60 -f 2 -l 2 -singlefile "$report" docs/screenshots/12-report-page
