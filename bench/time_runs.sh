# Sourced by the whole-program benchmarks. time_runs NAME COMMAND...: runs the command $runs
# times (its output dropped) and prints min, median and max in milliseconds; $work is a scratch
# folder of the caller's.
time_runs() {
  local name=$1
  shift
  : >"$work/times"
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$work/times"
  done
  sort -n "$work/times" | awk -v name="$name" '
    { t[NR] = $1 / 1000 }
    END { printf "  %-22s min %7.1f ms   median %7.1f ms   max %7.1f ms\n",
                 name, t[1], t[int((NR + 1) / 2)], t[NR] }'
}
