# shellcheck shell=bash
# Shared by the tests that run Windows programs under Wine. Source it after nothing else: it
# brings x_session.sh (Xvfb, wait_for, stop, fail) along. Then call start_x_server and
# start_wine_prefix. Every Wine process of the test's own prefix is ended when the script exits,
# before x_session's own clean-up; the Wine of anyone else on the machine is left alone.

# shellcheck source=../end_to_end/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../end_to_end/x_session.sh"

# Debian's wine64 puts its loader and server beside each other, outside the search path.
wine_tool() {
    command -v "$1" 2>/dev/null || command -v "/usr/lib/wine/$1" 2>/dev/null ||
        fail "$1 is not installed (Debian package wine64)"
}
wine=$(wine_tool wine64)
wineserver=$(wine_tool wineserver)

# A private prefix, quiet, and with no offer to download Mono or Gecko. Wine's menu builder
# stays off: it would copy every Start-menu shortcut into the desktop menus of the user running
# the test, far outside the prefix.
# A test that needs no fresh Windows may keep its prefix between runs (KSL_KEPT_WINEPREFIX).
export WINEPREFIX="${KSL_KEPT_WINEPREFIX:-$workdir/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Anything that still writes to the desktop's own folders writes into the test's workdir.
export XDG_DATA_HOME="$workdir/xdg-data"
export XDG_CONFIG_HOME="$workdir/xdg-config"

# Where Wine keeps the prefix's files: drive_c is C:.
# shellcheck disable=SC2034 # used by the tests that source this
drive_c="$WINEPREFIX/drive_c"

# wait_for_wine SECONDS: until every process of the prefix has ended and its server with them.
wait_for_wine() {
    timeout "$1" "$wineserver" -w
}

stop_wine() {
    [ -d "$WINEPREFIX" ] || return 0
    "$wineserver" -k 2>/dev/null || true
    wait_for_wine 30 || echo "warning: the Wine server of $WINEPREFIX did not end" >&2
    forget_wine_server_folder
}

# The Wine server keeps its socket in /tmp/wine-XXXXXX/server-DEV-INODE, named by the prefix's
# device and inode, and leaves the folder behind when it ends. The folder around it may be
# where another test's server is starting at this very moment: it stays until every Wine test
# is done (windows.wine_folders_removed).
forget_wine_server_folder() {
    local device inode server folder
    read -r device inode < <(stat -c '%d %i' "$WINEPREFIX")
    server=$(printf 'server-%x-%x' "$device" "$inode")
    for folder in /tmp/wine-*/"$server"; do
        [ -d "$folder" ] || continue
        rm -rf "$folder"
    done
}

# Chain onto whatever clean-up the script has so far: Wine goes first, as the prefix lives in
# the workdir that x_session removes.
wine_previous_exit=$(trap -p EXIT)
wine_previous_exit=${wine_previous_exit#"trap -- "}
eval "wine_previous_exit=${wine_previous_exit% EXIT}"
trap 'stop_wine; eval "$wine_previous_exit"' EXIT

start_wine_prefix() {
    timeout 120 "$wine" wineboot --init >"$workdir/wineboot.log" 2>&1 ||
        fail "wineboot could not set up $WINEPREFIX: $(tail -3 "$workdir/wineboot.log")"
    wait_for_wine 60 || fail "the new Wine prefix did not settle"
}

# The fonts a Windows machine has: Arial is Liberation Sans, which has its metrics.
give_windows_fonts() {
    timeout 60 "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
        /d 'Liberation Sans' /f >>"$workdir/reg.log" 2>&1 || fail "could not give the prefix Arial"
}

# run_windows_program SECONDS PROGRAM [ARGUMENTS...]: run it and wait for it alone; its status is
# returned. Programs the prefix runs beside it go on.
run_windows_program() {
    local seconds=$1
    shift
    timeout "$seconds" "$wine" "$@" >>"$workdir/wine.log" 2>&1
}

# run_to_the_end SECONDS PROGRAM [ARGUMENTS...]: the program's status, returned once every process
# of the prefix has ended: an NSIS uninstaller goes on in a copy of itself after its start.
run_to_the_end() {
    local seconds=$1 status=0
    run_windows_program "$@" || status=$?
    wait_for_wine "$seconds" || fail "$(basename "$2") left Wine processes running"
    return "$status"
}

# install_silently INSTALLER [ARGUMENTS...]: the installer's status once the prefix is idle again.
install_silently() {
    local installer=$1
    shift
    run_to_the_end 120 "$installer" /S "$@"
}

# short_path PATH: the short form of an existing Windows path, free of spaces, for the arguments
# that a program reads unquoted.
short_path() {
    local script="$workdir/short_path.bat"
    printf '@for %%%%I in ("%s") do @echo %%%%~sI\r\n' "$1" >"$script"
    timeout 60 "$wine" cmd /c "Z:${script//\//\\}" 2>/dev/null | tr -d '\r'
}

# reg_query KEY [VALUE]: the value's data, or every value of the key as NAME TYPE DATA lines.
# Fails when the key or value does not exist; reg's own messages go to $workdir/reg.log.
reg_query() {
    local output
    if [ $# -ge 2 ]; then
        output=$(timeout 60 "$wine" reg query "$1" /v "$2" 2>>"$workdir/reg.log") || return 1
        # "    NAME    REG_SZ    DATA": the data may hold runs of spaces itself.
        sed -n 's/\r$//; s/^    [^ ].*    REG_[A-Z_]*    //p' <<<"$output"
    else
        output=$(timeout 60 "$wine" reg query "$1" 2>>"$workdir/reg.log") || return 1
        sed -n 's/\r$//; s/^    //p' <<<"$output"
    fi
}

# win32_probe WORDS...: what Windows itself reports of the prefix's windows and processes, as the
# tests' own Win32 program reads it (win32_window_probe.cpp); the test sets its path in
# $win32_window_probe. Fails when there is no such window or process.
win32_probe() {
    timeout 60 "$wine" "$win32_window_probe" "$@" 2>>"$workdir/probe.log" | tr -d '\r'
}
