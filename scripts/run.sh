#!/usr/bin/env bash
# Installs what is needed, builds the program alone (no tests, no benchmarks) and runs
# the show on the bundled record in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --parallel "$(nproc)" --target tenukiro
exec build/src/shell/qt/tenukiro --window "$@"
