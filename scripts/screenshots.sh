#!/usr/bin/env bash
# Regenerates the user guide's pictures in docs/screenshots from the demo configuration: the
# window's pages and dialogs, and the first page of its report (pdftoppm, from poppler-utils).
set -euo pipefail
cd "$(dirname "$0")/.."
ZEL_TARGET="zelshots" scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
report=$(mktemp --suffix=.pdf)
trap 'rm -f "$report"' EXIT
build/tools/zelshots/zelshots docs/demo/house.zel docs/screenshots "$report"
pdftoppm -png -r 75 -f 1 -l 1 -singlefile "$report" docs/screenshots/12-report-page
