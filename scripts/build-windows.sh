#!/usr/bin/env bash
# Cross-compiles the Windows screen saver: scripts/build-windows.sh [DIR] [cmake options...]
# The result is DIR/Tenukiro.scr (default DIR: build-windows), with no DLL beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}; shift || true
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake --no-warn-unused-cli -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
