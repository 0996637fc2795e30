#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole
# test suite headless (the window tests use Qt's offscreen platform): once in
# a plain build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHENGXI_WARNINGS_AS_ERRORS=ON
cmake --build build
(cd build && ctest --output-on-failure --timeout 900 -j "$jobs")

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHENGXI_WARNINGS_AS_ERRORS=ON \
    -DCHENGXI_SANITIZE=ON -DCHENGXI_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize
(
    cd build-sanitize
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --output-on-failure --timeout 900 -j "$jobs"
)
