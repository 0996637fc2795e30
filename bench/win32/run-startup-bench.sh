#!/bin/sh
# Runs the Windows program's start-up benchmark under Wine, in a throw-away
# prefix set up as the tests set theirs up (tests/win32/wine-prefix.sh):
#   bench/win32/run-startup-bench.sh BUILD_DIR [--xvfb] [STARTUP_BENCH_OPTION...]
# BUILD_DIR is a cross build with CHENGXI_BUILD_BENCHMARKS=ON. By default
# Wine draws with its null driver, as in the tests; with --xvfb the prefix
# loses the null driver and its desktop and Wine draws on an Xvfb display of
# its own, with openbox managing the windows. The rest goes to
# startup_bench.exe, e.g. --runs=30.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tests="$here/../../tests/win32"
build=$(cd "$1" && pwd)
shift
display=null
if [ "${1:-}" = --xvfb ]; then
    display=xvfb
    shift
fi
launcher="$build/bench/win32/startup_bench.exe"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[ -f "$launcher" ] || { echo "no $launcher: build with -DCHENGXI_BUILD_BENCHMARKS=ON" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/chengxi-startup-bench.XXXXXX")
prefix="$work/prefix"
xvfb_pid=
wm_pid=
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"$tests/wine-prefix.sh" "$prefix"

if [ "$display" = xvfb ]; then
    export WINEPREFIX="$prefix"
    wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f </dev/null >/dev/null 2>&1
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f </dev/null >/dev/null 2>&1
    wineserver -k
    wineserver -w
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    while [ ! -s "$work/display" ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
    openbox </dev/null >/dev/null 2>&1 &
    wm_pid=$!
    sleep 0.5
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
fi

echo "Wine $(wine --version), display: $display"
"$tests/wine-run.sh" "$prefix" "$launcher" "$@"
