#!/usr/bin/env bash
# Builds the Debian package BUILD_DIR/zelconfig_VERSION_ARCH.deb: the three programs, the desktop
# entry, the icon, the .zel file type, the manual pages and the user guide, installed below /usr.
# It installs from Debian's archive only what building them needs (not the test libraries) and
# builds only the three programs and their documents, not the tests, each library and program as
# a unity build (ZEL_UNITY: a third of the compile time; BUILD_DIR keeps it until configured with
# -DZEL_UNITY=OFF).
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
ZEL_SETUP=package ZEL_TARGET="zelconfig zeltool zelsim zel_package_docs" scripts/setup.sh "$build" -DZEL_UNITY=ON
rm -f "$build"/zelconfig_*.deb # so that the one left is the one just made
(cd "$build" && cpack -G DEB)
ls "$build"/zelconfig_*.deb
