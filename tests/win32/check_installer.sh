#!/bin/sh
# The Windows installer, run silently under Wine in the tests' prefix:
#   check_installer.sh CASE PREFIX INSTALLER.exe PROGRAM.exe VERSION
# CASE is one of
#   install_and_uninstall  installs into Program Files and checks the program,
#                          the Start-menu shortcut and the Add/Remove Programs
#                          entry; uninstalls and checks that all of it is gone.
#   unwritable_file        installs where the program's file cannot be
#                          written, and checks that the installer fails and
#                          registers nothing.
# Either leaves the prefix as it found it, pass or fail. The two share the
# Uninstall key: CTest runs them one at a time (RESOURCE_LOCK).
set -eu
case_name=$1
prefix=$2
installer=$3
program=$4
version=$5

here=$(cd "$(dirname "$0")" && pwd)
# Wine names the files it makes in the locale's character set: the Chinese
# names of the installation need UTF-8.
case $(locale charmap 2>/dev/null) in
    UTF-8) ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

name=澄溪水质查询系统
publisher=山东澄溪水处理设备有限公司
drive_c=$prefix/drive_c
instdir="$drive_c/Program Files/$name"
win_instdir="C:\\Program Files\\$name"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\chengxi-water'

# A folder of this run's own on C:, for what the run puts outside Program
# Files, and the log of the programs it runs.
work=$(mktemp -d "$drive_c/chengxi-installer.XXXXXX")
win_work="C:\\$(basename "$work")"
log=$work/wine.log

# Every program run under Wine, logged with the time since the start. Their
# output goes to the log, not to CTest: what Wine starts along with them may
# outlive the test and would hold CTest's pipes open. One that hangs is
# stopped after 30 s.
started=$(date +%s%N)
wine_run() {
    printf '[%d ms] wine %s\n' $(( ($(date +%s%N) - started) / 1000000 )) "$*" >>"$log"
    timeout 30 "$here/wine-run.sh" "$prefix" "$@" </dev/null >>"$log" 2>&1
}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Whatever an installation left behind: from this run, or from one that was
# killed before it could clean up.
remove_installation() {
    rm -rf "$instdir" "$shortcut"
    wine_run reg delete "$key" /f || true
}
finish() {
    status=$?
    if [ "$status" -ne 0 ] || [ "$failures" -ne 0 ]; then
        remove_installation
        cat "$log" >&2
    fi
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' HUP INT TERM

remove_installation

# The Uninstall key's values, one "Name=value" line each: exported (UTF-16),
# as `reg query` writes its output in the console's code page, which holds no
# Chinese under most locales. Strings unquoted and unescaped, DWORDs in decimal.
read_uninstall_key() {
    wine_run reg export "$key" "$win_work\\key.reg" /y || return 1
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | while IFS= read -r line; do
        case $line in
            '"'*'"=dword:'*)
                value_name=${line%%=*}
                printf '%s=%d\n' "$value_name" "0x${line#*=dword:}" ;;
            '"'*'"="'*)
                value_name=${line%%=*}
                value=${line#*=\"}
                printf '%s=%s\n' "$value_name" "${value%\"}" \
                    | sed -e 's/\\\\/\x01/g' -e 's/\\"/"/g' -e 's/\x01/\\/g' ;;
        esac
    done | sed 's/^"\([^"]*\)"/\1/'
}
expect_value() {
    got=$(printf '%s\n' "$values" | sed -n "s/^$1=//p")
    [ "$got" = "$2" ] || fail "Uninstall key: $1 is '$got', not '$2'"
}
# Is the text (UTF-8) in the file as UTF-16LE? Both as hex bytes, each after
# a space, so that only whole bytes match.
hex_bytes() {
    od -An -v -tx1 | tr -s ' \n' '  '
}
contains_utf16() {
    pattern=$(printf '%s' "$2" | iconv -f UTF-8 -t UTF-16LE | hex_bytes)
    hex_bytes <"$1" | grep -qF -- "${pattern% }"
}

case $case_name in
install_and_uninstall)
    wine_run "$installer" /S || { fail "the installer exited with $?"; exit 1; }

    cmp -s "$program" "$instdir/chengxi-water.exe" \
        || fail "the installed chengxi-water.exe is not the program built"
    [ -f "$instdir/uninstall.exe" ] || fail "no uninstall.exe in $instdir"

    if [ -f "$shortcut" ]; then
        # Its target as the link's LinkInfo holds it, in the ANSI code page
        # (which may have no Chinese: any folder name will do), and its icon,
        # in UTF-16.
        LC_ALL=C grep -aqP 'C:\\Program Files\\[^\\\x00]+\\chengxi-water\.exe\x00' "$shortcut" \
            || fail "the Start-menu shortcut does not lead to chengxi-water.exe in Program Files"
        contains_utf16 "$shortcut" "$win_instdir\\chengxi-water.exe" \
            || fail "the Start-menu shortcut does not name $win_instdir\\chengxi-water.exe"
    else
        fail "no Start-menu shortcut $shortcut"
    fi

    values=$(read_uninstall_key) || { fail "no Uninstall key $key"; exit 1; }
    expect_value DisplayName "$name"
    expect_value DisplayVersion "$version"
    expect_value Publisher "$publisher"
    expect_value DisplayIcon "$win_instdir\\chengxi-water.exe,0"
    expect_value InstallLocation "$win_instdir"
    expect_value UninstallString "\"$win_instdir\\uninstall.exe\""
    expect_value QuietUninstallString "\"$win_instdir\\uninstall.exe\" /S"
    expect_value NoModify 1
    expect_value NoRepair 1
    # In KiB, of what went into the folder.
    bytes=$(cat "$instdir"/* | wc -c)
    kib=$((bytes / 1024))
    size=$(printf '%s\n' "$values" | sed -n 's/^EstimatedSize=//p')
    [ "$size" = "$kib" ] || [ "$size" = "$((kib + 1))" ] \
        || fail "Uninstall key: EstimatedSize is '$size', not $kib KiB"

    # uninstall.exe /S copies itself out of the folder, starts the copy with
    # _?=FOLDER and returns at once. Here the test makes the copy and waits
    # for it; _?= takes the rest of the command line, spaces and all, which
    # Wine passes on unquoted only through cmd.
    cp "$instdir/uninstall.exe" "$work/uninstall.exe"
    wine_run cmd /c "$win_work\\uninstall.exe /S _?=$win_instdir" \
        || fail "the uninstaller exited with $?"
    [ ! -e "$instdir" ] || fail "the uninstaller left $instdir: $(ls -A "$instdir" | tr '\n' ' ')"
    [ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
    if wine_run reg query "$key"; then
        fail "the uninstaller left the Uninstall key"
    fi
    ;;

unwritable_file)
    # The program's file name taken by a folder: as a running program's
    # file, it cannot be written.
    mkdir -p "$work/target/chengxi-water.exe"
    status=0
    wine_run "$installer" /S "/D=$win_work\\target" || status=$?
    [ "$status" -eq 2 ] || fail "the installer exited with $status, not 2 (aborted)"
    if wine_run reg query "$key"; then
        fail "the failed installation registered itself"
    fi
    [ ! -e "$shortcut" ] || fail "the failed installation made a Start-menu shortcut"
    ;;

*)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]
