#!/bin/sh
# Runs a Windows program under Wine in the given prefix, quietly and without
# touching the user's desktop menus:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
# The programs run this way are the test programs, which always print a
# banner: a run that fails before printing anything is Wine failing to start
# the program, and is tried once more. CHENGXI_TEST_WINE_PREFIX, when set,
# names the prefix instead: a test that needs the keyboard focus runs in one
# of its own, where no other test's window can take the foreground from it.
set -eu
WINEPREFIX=${CHENGXI_TEST_WINE_PREFIX:-$1}
shift
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

output=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
trap 'rm -f "$output"' EXIT
for try in 1 2; do
    status=0
    wine "$@" >"$output" 2>&1 </dev/null || status=$?
    if [ "$status" -eq 0 ] || [ -s "$output" ]; then
        break
    fi
    echo "wine-run.sh: $1 ended with status $status before printing anything (try $try)" >&2
done
cat "$output"
exit "$status"
