#!/usr/bin/env bash
# Times zeltool against zelsim over loopback TCP with a filled ZEL-16 configuration (515 lines,
# 513 sent): `export --verify`, and for the breakdown `export` and `import` alone. Each figure is
# a whole run of the program, start-up included. Prints min, median and max of RUNS runs.
# Usage: bench/zeltool_export_verify.sh [BUILD_DIR] [RUNS]   (defaults: build, 20)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-20}
zeltool=$build/tools/zeltool/zeltool
zelsim=$build/tools/zelsim/zelsim
config=tests/tools/data/filled_zel16.zel

work=$(mktemp -d)
"$zelsim" --tcp 0 >"$work/sim" &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  grep -q '^listening on ' "$work/sim" && break
  sleep 0.05
done
address=$(sed -n 's/^listening on //p' "$work/sim")
[ -n "$address" ] || { echo "zelsim did not start" >&2; exit 1; }

source bench/time_runs.sh

echo "zeltool against zelsim on $address, $(grep -c '\[' "$config") lines sent, $runs runs each"
time_runs "export --verify" "$zeltool" export "$config" --tcp "$address" --verify
time_runs "export" "$zeltool" export "$config" --tcp "$address"
time_runs "import" "$zeltool" import --tcp "$address"
time_runs "template (start-up)" "$zeltool" template 16
