#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole
# test suite headless (the window tests use Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHENGXI_WARNINGS_AS_ERRORS=ON
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)"
