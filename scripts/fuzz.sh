#!/usr/bin/env bash
# Builds the reader fuzz target with clang (libFuzzer, ASan, UBSan) and runs it for a bounded
# time. Usage: scripts/fuzz.sh [SECONDS [LIBFUZZER OPTIONS...]]  (default 90 seconds). Crashes
# are written to fuzz-artifacts/; what the run learnt stays in fuzz-corpus/ for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-90}
shift || true
ZEL_TARGET=zel_reader_fuzz scripts/setup.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEL_SANITIZE=ON -DZEL_FUZZ=ON -DZEL_BUILD_TESTS=OFF -DZEL_BUILD_BENCH=OFF
mkdir -p fuzz-corpus fuzz-artifacts
build-fuzz/fuzz/zel_reader_fuzz -max_total_time="$seconds" -max_len=65536 -timeout=10 \
  -artifact_prefix=fuzz-artifacts/ -print_final_stats=1 "$@" fuzz-corpus fuzz/seeds
