#!/usr/bin/env bash
# What a screen reader reads of the window: zelconfig with a configuration loaded, on a virtual
# display, its accessibility bridge always on, read over AT-SPI on a session bus of its own by
# scripts/screen-reader-check.py. Needs xvfb, at-spi2-core, dbus and python3-pyatspi
# (scripts/setup.sh installs them).
# Usage: scripts/screen-reader-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
export XDG_CONFIG_HOME=$settings XDG_DATA_HOME=$settings QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export BUILD=$build
# The virtual display and the session bus end with the check; the window is ended by it.
exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  "$BUILD/src/app/zelconfig" docs/demo/house.zel &
  app=$!
  status=0
  timeout 120 /usr/bin/python3 scripts/screen-reader-check.py ZEL "Zone 1: Living Room" || status=$?
  kill $app $bus 2>/dev/null || true
  wait 2>/dev/null || true
  exit $status'
