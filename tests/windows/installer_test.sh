#!/usr/bin/env bash
# The Windows installer in a fresh Wine prefix: cancelled on its first page while a second copy
# is started, it leaves nothing; run silently it installs the program, the Start-menu shortcut
# with the program's icon and the entry among the installed apps; run again over a damaged copy
# it repairs that copy where it stands; while the game runs, neither installer nor uninstaller
# touches anything; an installed copy in a folder of the player's choosing is upgraded there,
# whatever folder the upgrade asks for;
# the quiet uninstall leaves nothing of the game in the prefix; installed through its pages with
# "Kjør Kronesluk" ticked, it starts the game through the shell, not as a child of its own.
#
#   installer_test.sh INSTALLER PROGRAM WIN32_WINDOW_PROBE
# PROGRAM is the program as the installer packs it (stripped), for comparison.
set -euo pipefail

installer=$(realpath "$1")
program=$(realpath "$2")
# shellcheck disable=SC2034 # win32_probe (wine_session.sh) runs it
win32_window_probe=$(realpath "$3")
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kronesluk'
folder='C:\Program Files\Kronesluk'
installed="$drive_c/Program Files/Kronesluk"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kronesluk.lnk"

pass() { echo "PASS: $*"; }

# Wine writes the registry to the prefix's files when its server ends.
registry_mentions_the_game() {
    grep -qi kronesluk "$WINEPREFIX"/*.reg
}

nothing_left() { # nothing_left WHEN
    local left
    left=$(find "$drive_c" -iname '*kronesluk*')
    [ -z "$left" ] || fail "$1: left behind: $left"
    ! reg_query "$key" >/dev/null || fail "$1: the uninstall entry is still there"
    wait_for_wine 30 || fail "$1: Wine did not end"
    ! registry_mentions_the_game || fail "$1: the registry still mentions the game: $(
        grep -i kronesluk "$WINEPREFIX"/*.reg)"
}

expect_value() { # expect_value NAME DATA
    local data
    data=$(reg_query "$key" "$1") || fail "the uninstall entry has no $1: $(tail -2 "$workdir/reg.log")"
    [ "$data" = "$2" ] || fail "$1 is '$data', expected '$2'"
}

# The installer's own window: the boxes it opens carry its caption too.
installer_window() {
    viewable '^Kronesluk installasjon'
}
box_beside() { # box_beside WINDOW: a message box opened by the installer
    local id
    for id in $(xdotool search --name '^Kronesluk installasjon' 2>/dev/null); do
        if [ "$id" != "$1" ] && is_placed_window "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
press_return_in() {
    xdotool windowfocus --sync "$1" key Return
}
# answer_box WINDOW: the installer's message box, answered with its default button.
answer_box() {
    wait_for 30 box_beside "$1" >/dev/null && wait_for 20 return_until_closed "$1"
}
return_until_closed() {
    local box
    box=$(box_beside "$1") || return 0
    press_return_in "$box" 2>/dev/null || true
    sleep 0.5
    ! box_beside "$1" >/dev/null
}
closed_with_return() { # closed_with_return WINDOW PID
    press_return_in "$1" 2>/dev/null || true
    wait_for 1 ended "$2"
}

# Everything the installation consists of, file identities included: a copy rewritten with the
# same bytes still counts as touched. (Not the change time: the installer clears a read-only flag
# before it tries to write.)
installation_state() {
    stat -c '%n %i %Y' "$installed"/* "$shortcut"
    sha256sum "$installed"/* "$shortcut"
    reg_query "$key"
}
unchanged_since() { # unchanged_since STATE WHAT
    local now
    now=$(installation_state 2>&1 || true)
    [ "$now" = "$1" ] || fail "$2 changed the running game's installation: $(diff <(echo "$1") <(echo "$now"))"
}

start_x_server
start_wine_prefix

# Cancelled on its first page, while a second installer tries to run beside it.
gui_log="$workdir/installer-window.log"
"$wine" "$installer" >"$gui_log" 2>&1 &
gui_pid=$!
wait_for 60 installer_window >/dev/null || fail "the installer showed no window"
window=$(installer_window)
status=0
run_windows_program 60 "$installer" /S || status=$?
[ "$status" -ne 0 ] || fail "a second installer ran beside the first"
[ ! -e "$installed" ] || fail "the second installer installed beside the first"
pass "a second installer stops at once while one runs (status $status)"
xdotool windowfocus --sync "$window" key Escape
answer_box "$window" || fail "Esc did not ask whether to cancel, or the question stayed" # Ja
wait_for 20 ended "$gui_pid" || fail "the installer did not end on cancel"
status=0
wait "$gui_pid" || status=$?
[ "$status" -eq 1 ] || fail "the cancelled installer ended with status $status, expected 1"
wait_for_wine 30 || fail "Wine did not end after the cancelled installer"
nothing_left "after the cancelled installer"
pass "cancelled on its first page, the installer leaves nothing behind"

# The silent install.
install_silently "$installer" || fail "the silent install ended with status $?"
cmp -s "$installed/kronesluk.exe" "$program" || fail "the installed program differs from $program"
[ -f "$installed/uninstall.exe" ] || fail "no uninstall.exe in $folder"
pass "the silent install put the program and its uninstaller into $folder"

[ -f "$shortcut" ] || fail "no Start-menu shortcut for all users"
links=$("$here/read_shortcut.py" "$shortcut")
grep -qxF "target=$folder\\kronesluk.exe" <<<"$links" || fail "the shortcut opens: $links"
grep -qxF "icon=$folder\\kronesluk.exe,0" <<<"$links" || fail "the shortcut's icon: $links"
grep -qxF "workdir=$folder" <<<"$links" || fail "the shortcut starts in: $links"
pass "the Start-menu shortcut opens the program with its icon"

expect_value DisplayName "Kronesluk"
expect_value DisplayVersion "1.00"
expect_value Publisher "Tindrevik"
expect_value DisplayIcon "$folder\\kronesluk.exe,0"
expect_value UninstallString "\"$folder\\uninstall.exe\""
expect_value QuietUninstallString "\"$folder\\uninstall.exe\" /S"
expect_value InstallLocation "$folder"
pass "the installed apps list Kronesluk 1.00 by Tindrevik with its icon and uninstaller"

# Installed again over a damaged copy: repaired where it stands, and still listed once.
printf 'skadet' >"$installed/kronesluk.exe"
install_silently "$installer" || fail "the install over a damaged copy ended with status $?"
cmp -s "$installed/kronesluk.exe" "$program" || fail "the damaged program was not replaced"
expect_value InstallLocation "$folder"
entries=$(grep -c '^"DisplayName"="Kronesluk"' "$WINEPREFIX/system.reg" || true)
[ "$entries" -eq 1 ] || fail "$entries uninstall entries after the second install"
pass "installed again, the program is replaced in place and listed once"

# While the game runs, its program is held open: the installer and the uninstaller stop before
# they change anything, silent or not.
"$wine" "$folder\\kronesluk.exe" >"$workdir/app.log" 2>&1 &
app_pid=$!
wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the installed game showed no window"
before=$(installation_state)
status=0
run_windows_program 120 "$installer" /S || status=$?
[ "$status" -ne 0 ] || fail "the silent installer reported success while the game ran"
unchanged_since "$before" "the silent installer"
pass "while the game runs, the silent installer stops and changes nothing (status $status)"

"$wine" "$installer" >"$gui_log" 2>&1 &
gui_pid=$!
wait_for 60 installer_window >/dev/null || fail "the installer showed no window"
window=$(installer_window)
# No choice of folder over an installed copy: the installer starts at once and finds the
# program in use.
answer_box "$window" || fail "the installer did not report the program in use" # Abort
# Avbryt, the only button left, once the installer has stopped.
wait_for 20 closed_with_return "$window" "$gui_pid" || fail "the aborted installer did not end"
wait "$gui_pid" || true
unchanged_since "$before" "the aborted installer"
pass "while the game runs, the installer aborted halfway by the player changes nothing"

# In place, without a copy of itself, so that its own status comes back: it reads the folder
# unquoted.
status=0
run_windows_program 120 "$folder\\uninstall.exe" /S "_?=$(short_path "$folder")" || status=$?
unchanged_since "$before" "the uninstaller"
[ "$status" -ne 0 ] || fail "the uninstaller reported success while the game ran"
pass "while the game runs, the uninstaller stops and removes nothing (status $status)"
stop "$app_pid"
app_pid=""
wait_for_wine 30 || fail "Wine did not end with the game"

# The quiet uninstall exactly as the installed apps list runs it.
quiet=$(reg_query "$key" QuietUninstallString)
[[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "cannot read the quiet uninstall: $quiet"
# shellcheck disable=SC2086 # the arguments are words
run_to_the_end 120 "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} || fail "the quiet uninstall ended with status $?"
nothing_left "after the quiet uninstall"
pass "the quiet uninstall removed the folder, the shortcut and the entry, and nothing is left"

# The uninstaller's copy of itself in the temporary folder goes when Windows next starts.
run_to_the_end 120 wineboot --restart || fail "Wine did not restart"
left=$(find "$drive_c/users" -path '*/Temp/*' -type f)
[ -z "$left" ] || fail "left in the temporary folder after a restart: $left"
pass "after a restart, nothing of the uninstaller is left in the temporary folder"

# An installed copy in a folder of the player's choosing is upgraded there, even when another
# folder is asked for.
chosen='C:\Spill\Kronesluk'
install_silently "$installer" "/D=$chosen" || fail "the install into $chosen ended with status $?"
install_silently "$installer" "/D=$folder" || fail "the upgrade of the copy in $chosen ended with status $?"
cmp -s "$drive_c/Spill/Kronesluk/kronesluk.exe" "$program" || fail "no program in $chosen"
[ ! -e "$installed" ] || fail "the upgrade made a second copy in $folder"
expect_value InstallLocation "$chosen"
run_to_the_end 120 "$chosen\\uninstall.exe" /S || fail "the uninstall from $chosen ended with status $?"
nothing_left "after the uninstall from $chosen"
pass "a copy in a folder of the player's choosing is upgraded there and removed from there"

# Through its pages as a player installs it, under a window manager as on a desktop: "Installer"
# on the folder page, then "Ferdig" on the last page with "Kjør Kronesluk" ticked, as it comes.
# The installer holds the administrator's rights; the game it starts must not: the shell starts
# it, so the game is no child of the installer.
start_window_manager
"$wine" "$installer" >"$gui_log" 2>&1 &
gui_pid=$!
wait_for 60 installer_window >/dev/null || fail "the installer showed no window"
window=$(installer_window)
read -r installer_pid _ < <(win32_probe parent "$(basename "$installer")") ||
    fail "Windows does not list the installer's process"
on_last_page_to_run_the_game() {
    win32_probe controls 'Kronesluk installasjon*' | grep -qx 'checkbox checked &Kjør Kronesluk'
}
press_return_in "$window"
wait_for 120 on_last_page_to_run_the_game ||
    fail "the last page offers no ticked 'Kjør Kronesluk': $(win32_probe controls 'Kronesluk installasjon*')"
press_return_in "$window"
wait_for 20 ended "$gui_pid" || fail "the installer did not end on Ferdig"
wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the last page did not start the game"
read -r game_pid parent_pid parent_name < <(win32_probe parent kronesluk.exe) ||
    fail "Windows does not list the game's process"
# Wine's shell starts it with the token of whoever asked, so the rights themselves cannot be told
# apart here; on Windows the shell that is already running starts it as the signed-in player.
[ "$parent_pid" != "$installer_pid" ] ||
    fail "the game (pid $game_pid) is a child of the installer (pid $installer_pid)"
pass "the last page starts the game through the shell: its parent is pid $parent_pid" \
    "($parent_name), not the installer's $installer_pid"
game_ended() { ! win32_probe parent kronesluk.exe >/dev/null; }
xdotool windowfocus --sync "$(viewable '^Kronesluk$')" key ctrl+q
wait_for 30 game_ended || fail "Ctrl+Q did not end the game started by the installer"
run_to_the_end 120 "$folder\\uninstall.exe" /S || fail "the uninstall ended with status $?"
nothing_left "after the install through the pages"
pass "installed through its pages and uninstalled, nothing is left"
