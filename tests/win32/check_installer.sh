#!/bin/sh
# The Windows installer, run silently under Wine in the tests' prefix:
#   check_installer.sh CASE PREFIX INSTALLER.exe PROGRAM.exe VERSION
# CASE is one of
#   install_and_uninstall    installs into Program Files and checks the
#                            program, the uninstaller with the program's icon,
#                            the Start-menu shortcut and the Add/Remove
#                            Programs entry; uninstalls, with files an
#                            interrupted installation left beside the program,
#                            and checks that all of it is gone.
#   read_only_program        installs again over a program file that is only
#                            read-only, not running, as an ordinary user (Wine
#                            lets root write to a read-only file): the
#                            installer must go through and leave the whole
#                            installation, which the uninstaller, over a
#                            read-only program file again, takes away.
#   failed_upgrade           makes the installer fail after it has written its
#                            files and its entry (a folder stands where the
#                            shortcut goes): before any installation, over an
#                            entry's key without values, and over an earlier
#                            installation with a program, version and
#                            publisher of its own; checks that each time what
#                            stood before stands as it was, value for value.
#   unwritable_file          installs where the program's file cannot be
#                            written, and checks that the installer fails and
#                            leaves nothing behind: no file, no shortcut, no
#                            entry.
#   uninstall_while_running  installs and starts the program; checks that the
#                            uninstaller, and the installer run again, fail
#                            and leave the installation as it was, file by
#                            file, while it runs, and that the uninstaller
#                            takes it all away once the program is closed.
#   install_while_copy_runs  starts a copy of the program in the installation
#                            folder before any installation; checks that the
#                            installer fails and writes nothing there.
#   installer_icon           checks that the installer shows the program's
#                            icon, assets/app.ico, image for image.
# Each leaves the prefix as it found it, pass or fail. They share the
# Uninstall key: CTest runs them one at a time (RESOURCE_LOCK).
set -eu
case_name=$1
prefix=$2
installer=$3
program=$4
version=$5

here=$(cd "$(dirname "$0")" && pwd)
app_ico=$(cd "$here/../../assets" && pwd)/app.ico
windres=${WINDRES:-x86_64-w64-mingw32-windres}
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
log_line() {
    printf '[%d ms] %s\n' $(( ($(date +%s%N) - started) / 1000000 )) "$*" >>"$log"
}
wine_run() {
    log_line "wine $*"
    timeout 30 "$here/wine-run.sh" "$prefix" "$@" </dev/null >>"$log" 2>&1
}

failures=0
fail() {
    printf 'FAIL: %s\n' "$*" >&2
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
    stop_program
    if [ "$status" -ne 0 ] || [ "$failures" -ne 0 ]; then
        remove_installation
        cat "$log" >&2
    fi
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' HUP INT TERM

# The installed program, started as a user starts it and left running, with
# the environment wine-run.sh gives its programs.
program_pid=     # the Unix process
program_winpid=  # the Windows process, in hex, once its window is up
start_program() {
    log_line "wine $win_instdir\\chengxi-water.exe (left running)"
    WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
        wine "$win_instdir\\chengxi-water.exe" </dev/null >>"$log" 2>&1 &
    program_pid=$!
}
program_running() {
    [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null
}
# The Windows process ids of the chengxi-water.exe processes at the top of
# Wine's process tree that have their window up. Other tests may meanwhile
# run programs of that name, or with that window class, in the prefix: all of
# them started by another Windows program, while Wine started this one from
# outside. Wine's debugger lists the processes as a tree, the threads of each
# and the class and thread of each window.
top_program_windows() {
    printf 'info process\ninfo thread\ninfo wnd\n' >"$work/windows.dbg"
    timeout 30 "$here/wine-run.sh" "$prefix" winedbg --file "$win_work\\windows.dbg" </dev/null 2>>"$log" \
        | tr -d '\r' | awk -v exe="'chengxi-water.exe'" '
            /^ *pid +threads +executable/ { section = "process"; next }
            /^process +tid/ { section = "thread"; next }
            /^Window handle/ { section = "window"; next }
            section == "process" && $3 == exe { top[$1] = 1 }
            section == "thread" && /^[0-9a-f]/ { process = $1 }
            section == "thread" && /^\t/ { owner[$1] = process }
            section == "window" && $2 == "ChengxiWaterForm1" && owner[$5] in top { print owner[$5] }
        ' | sort -u
}
# Until its window is up, for at most 15 s.
wait_for_window() {
    deadline=$(( $(date +%s) + 15 ))
    while program_running && [ "$(date +%s)" -lt "$deadline" ]; do
        windows=$(top_program_windows) || true
        if [ -n "$windows" ] && [ "$(printf '%s\n' "$windows" | wc -l)" -eq 1 ]; then
            program_winpid=$windows
            log_line "the program's window is up, process $((0x$program_winpid))"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
# Closes its window as a user would (taskkill without /F sends WM_CLOSE) and
# waits at most 15 s for the program to end.
close_program() {
    wine_run taskkill /PID "$((0x$program_winpid))" || return 1
    deadline=$(( $(date +%s) + 15 ))
    while program_running; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
    wait "$program_pid" || true
    program_pid=
    log_line "the program has ended"
}
# Whatever is left of it when the test ends.
stop_program() {
    if program_running; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    program_pid=
}

remove_installation

# The images of the first icon group in a program (TYPE coff) or a resource
# script (TYPE rc), as windres reads them back: one line each, the group's
# entry for the image (size, colours, planes, bits, bytes) and the image's
# bytes. Two files show the same icon when these agree, whatever resource ids
# their images have.
icon_images() {
    "$windres" -J "$2" -i "$1" -O rc -o "$work/resources.rc" 2>>"$log" || return 1
    tr -d '\r' <"$work/resources.rc" | awk '
        / 3 \/\* RT_ICON \*\// { name = $1; mode = "icon"; data = ""; next }
        / 14 \/\* RT_GROUP_ICON \*\// { mode = groups++ ? "" : "group"; next }
        /^END$/ { if (mode == "icon") icon[name] = data; mode = ""; next }
        mode == "icon" && !/^BEGIN$/ { gsub(/[ \t]/, ""); data = data $0; next }
        mode == "group" && /Element no/ {
            line = $0
            sub(/\/\*.*/, "", line)
            gsub(/[ \t]/, "", line)
            sub(/,$/, "", line)
            n = split(line, field, ",")
            entry[++count] = line
            sub(/,[^,]*$/, "", entry[count])
            image[count] = field[n]
        }
        END {
            for (i = 1; i <= count; ++i)
                print entry[i], (image[i] in icon ? icon[image[i]] : "missing")
        }'
}
# Does the Windows program file $1 show the program's icon, app.ico?
expect_app_icon() {
    printf '1 ICON "%s"\n' "$app_ico" >"$work/app_icon.rc"
    if ! icon_images "$work/app_icon.rc" rc >"$work/app_icon.images" || [ ! -s "$work/app_icon.images" ]; then
        fail "windres cannot read $app_ico"
    elif ! icon_images "$1" coff >"$work/icon.images"; then
        fail "windres cannot read the resources of $1"
    elif ! cmp -s "$work/app_icon.images" "$work/icon.images"; then
        fail "$(basename "$1") does not show the program's icon: its first icon group has
$(cut -c1-60 "$work/icon.images")
and app.ico has
$(cut -c1-60 "$work/app_icon.images")"
    fi
}

# uninstall.exe /S copies itself out of the folder, starts the copy with
# _?=FOLDER and returns at once. Here the test makes the copy and waits
# for it; _?= takes the rest of the command line, spaces and all, which
# Wine passes on unquoted only through cmd.
uninstall() {
    cp "$instdir/uninstall.exe" "$work/uninstall.exe"
    wine_run cmd /c "$win_work\\uninstall.exe /S _?=$win_instdir"
}
# All of the installation is there: the program as built, its uninstaller,
# the shortcut and the Uninstall key.
expect_installation() {
    cmp -s "$program" "$instdir/chengxi-water.exe" \
        || fail "$1: chengxi-water.exe is not the program built"
    [ -f "$instdir/uninstall.exe" ] || fail "$1: no uninstall.exe in $instdir"
    [ -f "$shortcut" ] || fail "$1: no Start-menu shortcut $shortcut"
    wine_run reg query "$key" || fail "$1: no Uninstall key $key"
}
# None of it is left.
expect_no_installation() {
    [ ! -e "$instdir" ] || fail "$1: $instdir is left: $(ls -A "$instdir" | tr '\n' ' ')"
    [ ! -e "$shortcut" ] || fail "$1: the Start-menu shortcut is left"
    if wine_run reg query "$key"; then
        fail "$1: the Uninstall key is left"
    fi
}

# The installation as it stands: each file in the folder DIR (by default the
# installation folder) with its size and time of last change, the shortcut,
# and the Uninstall key's values.
snapshot() {
    if [ -d "${1:-$instdir}" ]; then
        (cd "${1:-$instdir}" && find . -type f -printf '%p %s %T@\n' -o -printf '%p %y\n' | LC_ALL=C sort)
    else
        echo "no folder"
    fi
    if [ -e "$shortcut" ]; then
        find "$shortcut" -printf 'shortcut %s %T@\n'
    else
        echo "no shortcut"
    fi
    read_uninstall_key || echo "no Uninstall key"
}
# Runs the installer silently, over an installation (or a folder) that must
# come out of it as it was: "expect_failed_install WHAT [/D=DIR [DIR]]".
expect_failed_install() {
    snapshot "${3:-}" >"$work/before"
    status=0
    wine_run "$installer" /S ${2:+"$2"} || status=$?
    [ "$status" -eq 2 ] || fail "the installer exited with $status, not 2 (aborted), $1"
    snapshot "${3:-}" >"$work/after"
    cmp -s "$work/before" "$work/after" \
        || fail "the installer changed what stood, $1:
$(diff "$work/before" "$work/after")"
}

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
    if [ -f "$instdir/uninstall.exe" ]; then
        expect_app_icon "$instdir/uninstall.exe"
    else
        fail "no uninstall.exe in $instdir"
    fi

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

    # What an installation that stopped midway leaves beside the program goes
    # with it.
    for left in chengxi-water.exe.old chengxi-water.exe.new uninstall.exe.old uninstall.exe.new; do
        printf 'left behind\n' >"$instdir/$left"
    done
    uninstall || fail "the uninstaller exited with $?"
    expect_no_installation "after uninstalling"
    ;;

read_only_program)
    # In a copy of the prefix, with a copy of the installer; run as root, both
    # belong to an ordinary user, who may not write to a read-only file, and
    # the user's Wine runs with a folder of its own.
    user_work=$(mktemp -d "${TMPDIR:-/tmp}/chengxi-installer-user.XXXXXX")
    trap 'finish; user_wine wineserver -k 2>/dev/null || true; rm -rf "$user_work"' EXIT
    cp -a "$prefix" "$user_work/prefix"
    cp "$installer" "$user_work/installer.exe"
    mkdir "$user_work/tmp"
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody:nogroup "$user_work"
        as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
    else
        as_user() { "$@"; }
    fi
    user_drive_c="$user_work/prefix/drive_c"
    user_instdir="$user_drive_c/Program Files/$name"
    user_shortcut="$user_drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk"
    user_wine() {
        as_user env -C "$user_work" HOME="$user_work/tmp" TMPDIR="$user_work/tmp" WINEPREFIX="$user_work/prefix" \
            WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" "$@"
    }
    user_run() {
        log_line "wine $*, as $(as_user id -un), in a copy of the prefix"
        user_wine timeout 30 wine "$@" </dev/null >>"$log" 2>&1
    }
    user_run installer.exe /S || { fail "the installer exited with $?"; exit 1; }
    chmod a-w "$user_instdir/chengxi-water.exe"
    status=0
    user_run installer.exe /S || status=$?
    [ "$status" -eq 0 ] || fail "the installer exited with $status over a read-only program file that is not running"
    cmp -s "$program" "$user_instdir/chengxi-water.exe" \
        || fail "over a read-only program file: chengxi-water.exe is not the program built"
    [ ! -e "$user_instdir/chengxi-water.exe.old" ] || fail "over a read-only program file: chengxi-water.exe.old is left"
    [ -f "$user_instdir/uninstall.exe" ] && [ -f "$user_shortcut" ] && user_run reg query "$key" \
        || fail "over a read-only program file: the uninstaller, the shortcut or the Uninstall key is missing"

    # The uninstaller takes a read-only program file away too.
    chmod a-w "$user_instdir/chengxi-water.exe"
    cp "$user_instdir/uninstall.exe" "$user_drive_c/uninstall.exe"
    user_run cmd /c "C:\\uninstall.exe /S _?=$win_instdir" || fail "the uninstaller exited with $? over a read-only program file"
    if [ -e "$user_instdir" ] || [ -e "$user_shortcut" ] || user_run reg query "$key"; then
        fail "the uninstaller left some of the installation over a read-only program file"
    fi
    ;;

failed_upgrade)
    # A folder where the Start-menu shortcut goes: the installer has put its
    # files in place and written its entry when the shortcut fails.
    mkdir -p "$shortcut"
    expect_failed_install "before any installation, with a folder in the shortcut's place"

    # The entry's key standing without any value, as a tool that cleaned it
    # out may leave it: the installer did not make it, and must not take it.
    wine_run reg add "$key" /f || fail "cannot make the Uninstall key"
    expect_failed_install "over an Uninstall key with no values, with a folder in the shortcut's place"
    wine_run reg delete "$key" /f || true

    # An earlier installation: a program file, a version and a publisher of
    # its own, and a value the new one writes missing.
    rmdir "$shortcut"
    wine_run "$installer" /S || { fail "the installer exited with $?"; exit 1; }
    printf 'an earlier build' >>"$instdir/chengxi-water.exe"
    wine_run reg add "$key" /v DisplayVersion /t REG_SZ /d 0.9.0.0 /f || fail "cannot change the Uninstall key"
    wine_run reg add "$key" /v Publisher /t REG_SZ /d "an earlier publisher" /f || fail "cannot change the Uninstall key"
    wine_run reg delete "$key" /v NoRepair /f || fail "cannot change the Uninstall key"
    rm "$shortcut"
    mkdir "$shortcut"
    expect_failed_install "over an earlier installation, with a folder in the shortcut's place"
    values=$(read_uninstall_key) || fail "no Uninstall key after the failed upgrade"
    expect_value DisplayVersion 0.9.0.0
    expect_value Publisher "an earlier publisher"

    rmdir "$shortcut"
    remove_installation
    ;;

unwritable_file)
    # The program's file name taken by a folder: as a running program's
    # file, it cannot be written.
    mkdir -p "$work/target/chengxi-water.exe"
    expect_failed_install "where the program's file cannot be written" \
        "/D=$win_work\\target" "$work/target"
    ;;

uninstall_while_running)
    wine_run "$installer" /S || { fail "the installer exited with $?"; exit 1; }
    start_program
    wait_for_window || { fail "the installed program's window did not come up"; exit 1; }

    # The running program's file cannot be deleted: the uninstaller stops
    # before it has taken anything away.
    status=0
    uninstall || status=$?
    [ "$status" -eq 2 ] || fail "the uninstaller exited with $status, not 2 (aborted), while the program ran"
    expect_installation "after the uninstaller stopped"

    # Nor can it be overwritten: installing again fails before it writes
    # anything.
    expect_failed_install "over the running program"

    program_running || fail "the program did not keep running"
    close_program || { fail "the program did not end on WM_CLOSE"; exit 1; }
    uninstall || fail "the uninstaller exited with $? once the program was closed"
    expect_no_installation "after uninstalling once the program was closed"
    ;;

install_while_copy_runs)
    mkdir -p "$instdir"
    cp "$program" "$instdir/chengxi-water.exe"
    start_program
    wait_for_window || { fail "the copy's window did not come up"; exit 1; }
    expect_failed_install "while a copy of the program ran from its folder"
    close_program || { fail "the copy did not end on WM_CLOSE"; exit 1; }
    rm -rf "$instdir"
    ;;

installer_icon)
    expect_app_icon "$installer"
    ;;

*)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ]
