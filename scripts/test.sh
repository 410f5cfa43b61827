#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite:
# the normal build, the Windows screen saver under Wine, the engine under AddressSanitizer + UBSan,
# and the fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/build.sh build -DTENUKIRO_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)")

scripts/test-windows.sh build-windows

# -O1, as the sanitizers advise: at -O0 the show's long randomised runs take four minutes, not one.
# GCC's may-be-uninitialized warning is false under the sanitizers' instrumentation (it fires inside
# std::regex); the normal build keeps it.
scripts/build.sh build-asan -DTENUKIRO_WERROR=ON -DTENUKIRO_ENGINE_ONLY=ON -DTENUKIRO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS=-O1 -Wno-maybe-uninitialized"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --parallel "$(nproc)")

scripts/build.sh build-fuzz -DTENUKIRO_WERROR=ON -DTENUKIRO_FUZZ=ON -DTENUKIRO_ENGINE_ONLY=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build-fuzz && ctest --output-on-failure)
scripts/run-fuzzers.sh build-fuzz "${TENUKIRO_FUZZ_SECONDS:-60}"
echo "all tests passed"
