#!/usr/bin/env bash
# Builds the Windows program and its installer on Debian, with the MinGW-w64
# cross compiler: installs what the cross build needs, if missing, configures
# build-windows/ and builds there
#   build-windows/app/chengxi-water.exe             the program, one file
#   build-windows/chengxi-water-<version>-win64.exe the installer
# No tests here: scripts/test.sh builds them in build-windows-tests/ and runs
# them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
# The toolchain file counts only when a build folder is first configured;
# given again, CMake warns that it was not used.
toolchain=()
[ -f build-windows/CMakeCache.txt ] || toolchain=(--toolchain cmake/toolchains/mingw-w64-x86_64.cmake)
cmake -S . -B build-windows -G Ninja "${toolchain[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCHENGXI_BUILD_TESTS=OFF -DCHENGXI_BUILD_BENCHMARKS=OFF
cmake --build build-windows
echo "The program:   build-windows/app/chengxi-water.exe"
echo "The installer: $(ls build-windows/chengxi-water-*-win64.exe 2>/dev/null || echo 'build-windows/chengxi-water-<version>-win64.exe')"
