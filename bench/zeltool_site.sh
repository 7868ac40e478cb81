#!/usr/bin/env bash
# Times zeltool's site commands against zelsim on loopback: a site of 16 telnet units, each a
# zelsim on its own address (127.0.0.101 to 127.0.0.116) paced at 9600 baud. `site backup
# --jobs 8` reads them in two rounds of eight, so it should take about two single fetches (the
# target: within 1.2 times two single fetches); `find` over a /24 of loopback where no unit
# listens should end within 5 seconds. Each figure is a whole run of the program, start-up
# included; min, median and max of RUNS runs.
# Usage: bench/zeltool_site.sh [BUILD_DIR] [RUNS]   (defaults: build, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
zeltool=$build/tools/zeltool/zeltool
zelsim=$build/tools/zelsim/zelsim

work=$(mktemp -d)
export XDG_DATA_HOME=$work/data # the benchmark's journal, not the user's
sims=()
trap 'kill "${sims[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

# The first unit picks a free port; the others listen on the same port at their own address.
"$zelsim" --baud 9600 --tcp 127.0.0.101:0 >"$work/sim101" &
sims+=($!)
for _ in $(seq 100); do
  grep -q '^listening on ' "$work/sim101" && break
  sleep 0.05
done
port=$(sed -n 's/^listening on 127.0.0.101://p' "$work/sim101")
[ -n "$port" ] || { echo "zelsim did not start" >&2; exit 1; }
: >"$work/site.zelsite"
for n in $(seq 101 116); do
  if [ "$n" != 101 ]; then
    "$zelsim" --baud 9600 --tcp "127.0.0.$n:$port" >"$work/sim$n" &
    sims+=($!)
  fi
  echo "Unit $n tcp:127.0.0.$n:$port" >>"$work/site.zelsite"
done
for n in $(seq 102 116); do
  for _ in $(seq 100); do
    grep -q '^listening on ' "$work/sim$n" && break
    sleep 0.05
  done
done

source bench/time_runs.sh

echo "16 units on loopback port $port, each paced at 9600 baud; $runs runs each"
time_runs "single fetch" "$zeltool" import --tcp "127.0.0.101:$port"
single=$(sort -n "$work/times" | sed -n "$(((runs + 1) / 2))p")
time_runs "site backup --jobs 8" "$zeltool" site backup "$work/site.zelsite" --jobs 8
backup=$(sort -n "$work/times" | sed -n "$(((runs + 1) / 2))p")
# Finding nothing is exit status 1, and its count goes to standard error.
find_none() { "$zeltool" find 127.0.1.0/24 --port "$port" 2>/dev/null || [ $? = 1 ]; }
time_runs "find on a /24, no unit" find_none
find=$(sort -n "$work/times" | sed -n "$(((runs + 1) / 2))p")

awk -v s="$single" -v b="$backup" -v f="$find" 'BEGIN {
  printf "site backup: %.2f times two single fetches (target: at most 1.2) %s\n",
         b / (2 * s), (b <= 2.4 * s ? "met" : "NOT MET")
  printf "find over a /24: %.1f s (target: at most 5 s) %s\n", f / 1e6,
         (f <= 5e6 ? "met" : "NOT MET")
}'
