#!/usr/bin/env bash
# Regenerates the user guide's pictures in docs/screenshots from the demo configuration: the
# window's pages and dialogs (Compare, History, Copy Zone Settings, Report, the site window, Find
# Units), the focus frame, the first page of a unit's report and the first two of a site's
# (pdftoppm, from poppler-utils).
set -euo pipefail
cd "$(dirname "$0")/.."
ZEL_TARGET="zelshots" scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
build/tools/zelshots/zelshots docs/demo/house.zel docs/screenshots "$reports/report.pdf"
pdftoppm -png -r 75 -f 1 -l 1 -singlefile "$reports/report.pdf" docs/screenshots/12-report-page
# The site report zelshots writes beside it: its summary and what the visit changed.
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$reports/site-report.pdf" docs/screenshots/19-site-report-summary
pdftoppm -png -r 60 -f 2 -l 2 -singlefile "$reports/site-report.pdf" docs/screenshots/20-site-report-changes
