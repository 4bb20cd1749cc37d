#!/usr/bin/env bash
# "System Info..." in the About dialog of the Windows build, through Wine's real registry: the
# tool that MSINFO's PATH names starts, even from a folder with spaces and shell characters; with
# only the shared tools folder given, MSINFO32.EXE there starts; with neither, and with a path
# that leads nowhere, the player reads that System Information is unavailable.
#
#   system_info_test.sh PROGRAM STAND_IN
set -euo pipefail

program=$1
stand_in=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

msinfo='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
shared_tools='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
export KSL_LAUNCH_RECORD="$workdir/launched.txt"

start_x_server
# Windows always has its shell around the windows; without a window manager Wine's windows are
# drawn out of place.
start_window_manager
start_wine_prefix
give_windows_fonts
cp "$program" "$drive_c/kronesluk.exe"

set_registry() {
    "$wine" reg delete "$msinfo" /f >>"$workdir/reg.log" 2>&1 || true
    "$wine" reg delete "$shared_tools" /f >>"$workdir/reg.log" 2>&1 || true
    [ -n "$1" ] && "$wine" reg add "$msinfo" /v PATH /d "$1" /f >>"$workdir/reg.log" 2>&1
    [ -n "$2" ] && "$wine" reg add "$shared_tools" /v MSINFO /d "$2" /f >>"$workdir/reg.log" 2>&1
    return 0
}

# Opens About from the game window ("&About" > "&Game") and presses "System Info...".
press_system_info() {
    rm -f "$KSL_LAUNCH_RECORD"
    "$wine" 'C:\kronesluk.exe' >"$workdir/app.log" 2>&1 &
    app_pid=$!
    local game
    game=$(open_game_window)
    xdotool windowfocus --sync "$game" key alt+a
    wait_for 5 menu_open || fail "Alt+A did not open the About menu"
    xdotool key g
    wait_for 10 viewable '^About Kronesluk$' >/dev/null || fail "About did not open"
    xdotool windowfocus --sync "$(viewable '^About Kronesluk$')" key alt+s
}

end_game() {
    local game
    game=$(viewable 'Tindrevik') || fail "the game window has gone"
    # Wine hands the keyboard to a window the window manager has made active.
    xdotool windowactivate --sync "$game"
    quit_with_ctrl_q "$game"
}

expect_started() {
    local expected=$1 what=$2
    wait_for 20 test -s "$KSL_LAUNCH_RECORD" || fail "$what: no tool was started"
    [ "$(tr -d '\r' <"$KSL_LAUNCH_RECORD")" = "$expected" ] ||
        fail "$what: started $(cat "$KSL_LAUNCH_RECORD"), not $expected"
    viewable '^KSL$' >/dev/null && fail "$what: the player was told it is unavailable"
    echo "PASS: $what"
}

message_closed() { ! viewable '^KSL$' >/dev/null; }

# The message box's own text, copied as Windows copies a message box with Ctrl+C.
expect_unavailable() {
    local what=$1
    wait_for 20 viewable '^KSL$' >/dev/null || fail "$what: no message for the player"
    xdotool windowfocus --sync "$(viewable '^KSL$')" key ctrl+c
    wait_for 10 bash -c "xclip -o -selection clipboard 2>/dev/null |
        grep -q 'System Information Is Unavailable At This Time'" ||
        fail "$what: the message does not say System Information is unavailable"
    [ -e "$KSL_LAUNCH_RECORD" ] && fail "$what: a tool was started all the same"
    xdotool key Return
    wait_for 10 message_closed || fail "$what: OK did not close the message"
    echo "PASS: $what"
}

odd_folder="$drive_c/Tools & more (x86)/100% info"
mkdir -p "$odd_folder" "$drive_c/Shared Tools"
cp "$stand_in" "$odd_folder/msinfo tool.exe"
cp "$stand_in" "$drive_c/Shared Tools/MSINFO32.EXE"

set_registry 'C:\Tools & more (x86)\100% info\msinfo tool.exe' ""
press_system_info
expect_started 'C:\Tools & more (x86)\100% info\msinfo tool.exe' \
    "MSINFO's PATH, with spaces and shell characters, is started as one path"
end_game

set_registry "" 'C:\Shared Tools'
press_system_info
expect_started 'C:\Shared Tools\MSINFO32.EXE' "the shared tools folder's MSINFO32.EXE is started"
end_game

set_registry "" ""
press_system_info
expect_unavailable "with neither value, the player is told"
end_game

set_registry 'C:\Nowhere\msinfo32.exe' ""
press_system_info
expect_unavailable "with a path that leads nowhere, the player is told"
end_game
