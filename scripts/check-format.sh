#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted as .clang-format says; `clang-format -i`
# on the files it names mends them.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
