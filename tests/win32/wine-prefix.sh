#!/bin/sh
# Sets up a Wine prefix for the tests of the Windows build and starts its
# wineserver, detached, so that the tests need not start one each:
#   wine-prefix.sh PREFIX [LOCALE_DIR [COPY...]]
# With LOCALE_DIR, it also builds there the glibc locales that the tests take
# as the user's own (Wine follows LANG only for a locale glibc has built);
# pass LOCPATH=LOCALE_DIR with LANG to use them. Each COPY is a copy of the
# prefix for programs that must not share it: a run in another user locale
# (Wine rewrites a prefix's locale settings when LANG changes, which must not
# race with the programs of the shared prefix), or the tests that need the
# keyboard focus (every window shown in a prefix takes its one foreground).
# A copy whose name ends in "-light-text" gets a colour scheme of white text
# on black, as a high-contrast black scheme has.
# No display: Wine's null graphics driver, with a 1024 × 768 desktop. The
# window's fonts, 宋体 and 华文新魏, are mapped to AR PL UMing and UKai
# (Debian packages fonts-arphic-uming and fonts-arphic-ukai). A program that
# crashes ends at once, without the crash dialog that nobody could close.
set -eu
prefix=$1
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

reg() {
    wine reg add "$1" /v "$2" /t "$3" /d "$4" /f </dev/null >/dev/null 2>&1
}

# Made anew when this script sets prefixes up otherwise than it did.
ready=.chengxi-ready-2

if [ ! -f "$prefix/$ready" ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wineboot -i </dev/null >/dev/null 2>&1
    reg 'HKCU\Software\Wine\Drivers' Graphics REG_SZ null
    reg 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
    reg 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ 1024x768
    for face in 宋体 SimSun 新宋体 NSimSun; do
        reg 'HKCU\Software\Wine\Fonts\Replacements' "$face" REG_SZ "AR PL UMing CN"
    done
    for face in 华文新魏 STXinwei; do
        reg 'HKCU\Software\Wine\Fonts\Replacements' "$face" REG_SZ "AR PL UKai CN"
    done
    reg 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
    wineserver -w
    touch "$prefix/$ready"
fi

if [ $# -ge 2 ]; then
    mkdir -p "$2"
    for locale in zh_CN de_DE ar_EG; do
        [ -d "$2/$locale.UTF-8" ] || localedef -i "$locale" -f UTF-8 "$2/$locale.UTF-8"
    done
fi

if [ $# -ge 3 ]; then
    shift 2
    for copy in "$@"; do
        if [ ! -f "$copy/$ready" ]; then
            rm -rf "$copy"
            cp -a "$prefix" "$copy"
            case "$copy" in
            *-light-text)
                (
                    export WINEPREFIX="$copy"
                    for colour in WindowText ButtonText GrayText MenuText InfoText HighlightText; do
                        reg 'HKCU\Control Panel\Colors' "$colour" REG_SZ "255 255 255"
                    done
                    for colour in Window ButtonFace Menu InfoWindow Background; do
                        reg 'HKCU\Control Panel\Colors' "$colour" REG_SZ "0 0 0"
                    done
                    wineserver -w
                )
                ;;
            esac
        fi
    done
fi

# A persistent wineserver, and a program with a (hidden) window that keeps
# Wine's desktop process up for the whole run, both holding none of the
# caller's pipes: a desktop started by a test would hold CTest's output pipe
# open, and with it that test, until the last window of the run closed.
# (One left from an earlier run serves as well.)
wineserver -p </dev/null >/dev/null 2>&1 || true
wine wineboot </dev/null >/dev/null 2>&1
setsid wine notepad.exe </dev/null >/dev/null 2>&1 &
# Up once this prefix's desktop process is.
desktop_up() {
    for pid in $(pgrep -f 'explorer.exe /desktop'); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
            return 0
        fi
    done
    return 1
}
tries=0
until desktop_up; do
    tries=$((tries + 1))
    if [ "$tries" -gt 300 ]; then
        echo "Wine's desktop did not start in $prefix" >&2
        exit 1
    fi
    sleep 0.1
done
