#!/usr/bin/env bash
# Times zeltool site backup with its history in Git against the same backup without it: a site
# of 16 telnet units, each a zelsim on its own loopback address (127.0.0.121 to 127.0.0.136)
# paced at 9600 baud, read 8 at a time. The first run with --git commits the 16 files; the runs
# timed after it find nothing changed, as most runs of a daily backup do, and commit nothing.
# Target: the median with --git within 1.1 times the median without. The same is then measured
# with zelsim unpaced, where the units answer at once: Git's own time shows alone (no target).
# Each figure is a whole run of the program, start-up included; min, median and max of RUNS runs.
# Usage: bench/zeltool_site_history.sh [BUILD_DIR] [RUNS]   (defaults: build, 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
zeltool=$build/tools/zeltool/zeltool
zelsim=$build/tools/zelsim/zelsim

work=$(mktemp -d)
export XDG_DATA_HOME=$work/data # the benchmark's journal, not the user's
sims=()
stop_units() {
  ((${#sims[@]})) && kill "${sims[@]}" 2>/dev/null
  wait 2>/dev/null || true
  sims=()
}
trap 'stop_units; rm -rf "$work"' EXIT
source bench/time_runs.sh

# start_units [ZELSIM OPTIONS...]: 16 units on one free port, each at its own address; the site.
start_units() {
  "$zelsim" "$@" --tcp 127.0.0.121:0 >"$work/sim121" &
  sims+=($!)
  for _ in $(seq 100); do
    grep -q '^listening on ' "$work/sim121" && break
    sleep 0.05
  done
  port=$(sed -n 's/^listening on 127.0.0.121://p' "$work/sim121")
  [ -n "$port" ] || { echo "zelsim did not start" >&2; exit 1; }
  : >"$work/site.zelsite"
  for n in $(seq 121 136); do
    if [ "$n" != 121 ]; then
      "$zelsim" "$@" --tcp "127.0.0.$n:$port" >"$work/sim$n" &
      sims+=($!)
    fi
    echo "Unit $n tcp:127.0.0.$n:$port" >>"$work/site.zelsite"
  done
  for n in $(seq 122 136); do
    for _ in $(seq 100); do
      grep -q '^listening on ' "$work/sim$n" && break
      sleep 0.05
    done
  done
}

median() { sort -n "$work/times" | sed -n "$(((runs + 1) / 2))p"; }

# measure NAME TARGET: times the backup without and with --git on the units started, prints the
# ratio, against TARGET when one is given.
measure() {
  rm -rf "$work/repo"
  local first_start first_end
  first_start=$(date +%s%N)
  "$zeltool" site backup "$work/site.zelsite" --jobs 8 --git "$work/repo" >/dev/null
  first_end=$(date +%s%N)
  echo "$1: 16 units on loopback port $port; $runs runs each"
  echo "  the first run with --git, 16 files committed: $(((first_end - first_start) / 1000000)) ms"
  time_runs "site backup" "$zeltool" site backup "$work/site.zelsite" --jobs 8
  without=$(median)
  time_runs "site backup --git" "$zeltool" site backup "$work/site.zelsite" --jobs 8 \
    --git "$work/repo" --quiet
  with=$(median)
  [ "$(git -C "$work/repo" rev-list --count HEAD)" = 1 ] || echo "  a timed run committed" >&2
  awk -v w="$without" -v g="$with" -v name="$1" -v target="${2:-}" 'BEGIN {
    printf "  %s: --git takes %.3f times the backup without it, %+.0f ms", name, g / w, (g - w) / 1000
    if (target != "")
      printf " (target: at most %s) %s", target, (g <= target * w ? "met" : "NOT MET")
    printf "\n"
  }'
}

start_units --baud 9600
measure "paced at 9600 baud" 1.1
stop_units
start_units
measure "unpaced" # no target: Git's own time, seen alone
