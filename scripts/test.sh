#!/usr/bin/env bash
# Installs, builds and runs every test. Usage: scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/setup.sh "$@"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export DBUS_SESSION_BUS_ADDRESS=disabled:
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
