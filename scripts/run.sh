#!/usr/bin/env bash
# Installs what is needed, builds the program and runs the show on the bundled record in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/src/shell/qt/tenukiro --window "$@"
