#!/usr/bin/env bash
# Installs, builds and starts zelconfig.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/app/zelconfig "$@"
