#!/bin/sh
# Sets up a Wine prefix for the tests of the Windows build and starts its
# wineserver, detached, so that the tests need not start one each:
#   wine-prefix.sh PREFIX [LOCALE_DIR]
# With LOCALE_DIR, it also builds there the glibc locales that the tests take
# as the user's own (Wine follows LANG only for a locale glibc has built);
# pass LOCPATH=LOCALE_DIR with LANG to use them.
# No display: Wine's null graphics driver, with a 1024 × 768 desktop. The
# window's fonts, 宋体 and 华文新魏, are mapped to AR PL UMing and UKai
# (Debian packages fonts-arphic-uming and fonts-arphic-ukai).
set -eu
prefix=$1
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ ! -f "$prefix/.chengxi-ready" ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wineboot -i </dev/null >/dev/null 2>&1
    reg() {
        wine reg add "$1" /v "$2" /t "$3" /d "$4" /f </dev/null >/dev/null 2>&1
    }
    reg 'HKCU\Software\Wine\Drivers' Graphics REG_SZ null
    reg 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
    reg 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ 1024x768
    for face in 宋体 SimSun 新宋体 NSimSun; do
        reg 'HKCU\Software\Wine\Fonts\Replacements' "$face" REG_SZ "AR PL UMing CN"
    done
    for face in 华文新魏 STXinwei; do
        reg 'HKCU\Software\Wine\Fonts\Replacements' "$face" REG_SZ "AR PL UKai CN"
    done
    wineserver -w
    touch "$prefix/.chengxi-ready"
fi

if [ $# -ge 2 ]; then
    mkdir -p "$2"
    for locale in zh_CN de_DE ar_EG; do
        [ -d "$2/$locale.UTF-8" ] || localedef -i "$locale" -f UTF-8 "$2/$locale.UTF-8"
    done
fi

# A persistent wineserver, holding none of the caller's pipes.
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
