#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each for a bounded time:
# the reader for half of it, the readers of the bytes from the wire for a quarter, and the
# readers of the files kept beside the configurations (site files, journal texts and index, the
# unit directory, address ranges) for the rest.
# Usage: scripts/fuzz.sh [SECONDS [LIBFUZZER OPTIONS...]]  (default 90 seconds in all). Crashes
# are written to fuzz-artifacts/; what each run learnt stays in fuzz-corpus/ (reader),
# fuzz-corpus-wire/ and fuzz-corpus-records/ for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-90}
shift || true
wire_seconds=$((seconds / 4))
records_seconds=$((seconds / 4))
reader_seconds=$((seconds - wire_seconds - records_seconds))
ZEL_TARGET=zel_reader_fuzz scripts/setup.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEL_SANITIZE=ON -DZEL_FUZZ=ON -DZEL_BUILD_TESTS=OFF -DZEL_BUILD_BENCH=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target zel_wire_fuzz zel_records_fuzz
mkdir -p fuzz-corpus fuzz-corpus-wire fuzz-corpus-records fuzz-artifacts
build-fuzz/fuzz/zel_reader_fuzz -max_total_time="$reader_seconds" -max_len=65536 -timeout=10 \
  -artifact_prefix=fuzz-artifacts/ -print_final_stats=1 "$@" fuzz-corpus fuzz/seeds
build-fuzz/fuzz/zel_wire_fuzz -max_total_time="$wire_seconds" -max_len=4096 -timeout=10 \
  -artifact_prefix=fuzz-artifacts/wire- -print_final_stats=1 "$@" fuzz-corpus-wire fuzz/wire-seeds
build-fuzz/fuzz/zel_records_fuzz -max_total_time="$records_seconds" -max_len=16384 -timeout=10 \
  -artifact_prefix=fuzz-artifacts/records- -print_final_stats=1 "$@" fuzz-corpus-records \
  fuzz/records-seeds
