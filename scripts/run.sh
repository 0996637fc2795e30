#!/usr/bin/env bash
# Opens the window: installs what building and running it need, if missing,
# builds the program alone (no tests, no benchmarks) in build-run/, and runs it.
# Without a display it stops at once, before installing or building anything.
#
# build-run/ is this script's own: scripts/test.sh configures build/ with the
# tests and benchmarks on and warnings as errors, and neither script changes
# the other's configuration.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'MESSAGE'
There is no display to open the window on: DISPLAY, WAYLAND_DISPLAY and
QT_QPA_PLATFORM are all unset. Run this from a desktop session, or on a
virtual display:

    sudo apt-get install xvfb xauth     # once; as root: apt-get install xvfb xauth
    xvfb-run -a scripts/run.sh
MESSAGE
    exit 1
fi

scripts/install-deps.sh run
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCHENGXI_BUILD_TESTS=OFF -DCHENGXI_BUILD_BENCHMARKS=OFF
cmake --build build-run --target chengxi-water
exec build-run/app/chengxi-water
