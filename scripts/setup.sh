#!/usr/bin/env bash
# Installs what zelconfig needs from Debian's archive, only when something is missing, then
# configures and builds; a compiler warning fails the build.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

# What building the three programs needs, what their package needs besides, and what the tests,
# benchmarks, fuzzing and formatting need. ZEL_SETUP=package installs the first two only.
build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev libre2-dev
)
package_packages=(
  dpkg-dev file # the Debian package: dpkg-shlibdeps finds its dependencies
  help2man # the manual pages of zeltool and zelsim, from each program's --help
  python3-markdown # the user guide, from the README
)
developer_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format
  poppler-utils # the report tests read the PDF's text; the user guide's report picture
  git # the site history tests keep units' files in repositories
  qt6-l10n-tools python3 # the translation catalogue template and its check of texts outside tr()
  xvfb xauth dbus-daemon at-spi2-core python3-pyatspi # what a screen reader reads of the window
)
packages=("${build_packages[@]}" "${package_packages[@]}")
[ "${ZEL_SETUP:-}" = package ] || packages+=("${developer_packages[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${1:-build}
shift || true
# A new build folder is configured; an existing one again only when options are given, so that
# they apply to it too (later options win over the default build type), when it was made
# without this script, which treats every compiler warning as an error, or when something was
# installed (a folder first configured for the package alone then builds the tests too).
if [ ! -f "$build/build.ninja" ] || (($#)) || ((${#missing[@]})) ||
  ! grep -q '^CMAKE_COMPILE_WARNING_AS_ERROR:BOOL=ON$' "$build/CMakeCache.txt"; then
  # Optimised at -O2: g++ 12 at -O3 warns falsely of overlapping copies inside std::string.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DCMAKE_COMPILE_WARNING_AS_ERROR:BOOL=ON "$@"
fi
# ZEL_TARGET names the targets to build instead of all, separated by blanks.
read -r -a targets <<<"${ZEL_TARGET:-}"
cmake --build "$build" --parallel "$(nproc)" ${targets[@]+--target "${targets[@]}"}
