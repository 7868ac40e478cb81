#!/usr/bin/env bash
# Times `zeltool report` of a filled ZEL-16 configuration (every zone, favorite and group set),
# with the changes from the blank ZEL-16 template, as HTML and as PDF on A4 and Letter. Each
# figure is a whole run of the program, start-up included. Prints min, median and max of RUNS
# runs in milliseconds. Usage: bench/zeltool_report.sh [BUILD_DIR] [RUNS]   (defaults: build, 20)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-20}
zeltool=$build/tools/zeltool/zeltool
config=tests/tools/data/filled_zel16.zel
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$zeltool" template 16 -o "$work/blank.zel"

source bench/time_runs.sh

echo "zeltool report of $config with its changes from the blank template, $runs runs each"
{ # Qt's notes on standard error (a missing runtime folder) stay out of the figures
time_runs "HTML" "$zeltool" report "$config" --changes-from "$work/blank.zel" -o "$work/r.html"
time_runs "PDF (A4)" "$zeltool" report "$config" --changes-from "$work/blank.zel" \
  -o "$work/r.pdf" --paper A4
time_runs "PDF (Letter)" "$zeltool" report "$config" --changes-from "$work/blank.zel" \
  -o "$work/r.pdf" --paper Letter
} 2>/dev/null
echo "  ($(stat -c %s "$work/r.html") bytes of HTML; the Letter PDF $(stat -c %s "$work/r.pdf") bytes)"
