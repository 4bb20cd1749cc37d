#!/usr/bin/env bash
# The installed game under Wine, as a player meets it, with the steps the Linux build is played
# with (../end_to_end/played_game.steps): the welcome and game windows and the About dialog
# framed as designed by Windows' own account; the game window held pixel by pixel against the
# Linux build's; a winning game, F2, About by Enter and Esc and beside the game window, each
# beep, and Ctrl+Q in the game window; then a game lost to the end and Ctrl+Q in the welcome
# window.
#
#   played_game_test.sh INSTALLER LINUX_PROGRAM WIN32_WINDOW_PROBE
set -euo pipefail

installer=$1
linux_program=$2
# shellcheck disable=SC2034 # win32_probe (wine_session.sh) runs it
win32_window_probe=$(realpath "$3")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"
# shellcheck source=../end_to_end/played_game.sh
source "$here/../end_to_end/played_game.sh"

start_x_server
# Windows always has its shell around the windows; without a window manager Wine's windows are
# drawn out of place.
start_window_manager
start_wine_prefix
give_windows_fonts
install_silently "$installer" || fail "the installer failed"
program='C:\Program Files\Kronesluk\kronesluk.exe'

# windows_frame TITLE HAS HAS_NOT: the window's frame as Windows reports it holds every word of
# HAS and none of HAS_NOT (see win32_window_probe.cpp); prints the words.
windows_frame() {
    local words word
    words=$(win32_probe frame "$1" | tr '\n' ' ') || fail "Windows shows no window '$1'"
    for word in $2; do
        grep -qw -- "$word" <<<"$words" || fail "'$1' lacks $word: $words"
    done
    for word in $3; do
        grep -qw -- "$word" <<<"$words" && fail "'$1' has $word: $words"
    done
    echo "$words"
}
# Fixed single: a caption with the system menu and its close box, no sizing border, no minimise
# or maximise box; a window of its own in the task bar and in Alt+Tab.
fixed_single() { # fixed_single TITLE
    windows_frame "$1" "WS_CAPTION WS_SYSMENU task-bar alt-tab" \
        "WS_THICKFRAME WS_MINIMIZEBOX WS_MAXIMIZEBOX WS_EX_TOOLWINDOW owned"
}
# handed_to_the_window_manager X-WINDOW WHAT: what Wine hands the window manager for it: the
# Motif hints ask for moving and closing, never for resizing, minimising or maximising, and
# openbox offers neither resizing nor maximising.
handed_to_the_window_manager() {
    local motif functions decorations
    motif=$(xprop -id "$1" _MOTIF_WM_HINTS)
    [[ $motif =~ =\ (0x[0-9a-f]+),\ (0x[0-9a-f]+),\ (0x[0-9a-f]+) ]] ||
        fail "the $2 has no Motif hints: $motif"
    functions=${BASH_REMATCH[2]} decorations=${BASH_REMATCH[3]}
    # Functions: resize 0x2, minimise 0x8, maximise 0x10; decorations: resize handles 0x4,
    # minimise box 0x20, maximise box 0x40.
    [ $(((functions & 0x1a) | (decorations & 0x64))) -eq 0 ] ||
        fail "Wine asks the window manager to size the $2: $motif"
    if xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -qE '_NET_WM_ACTION_(RESIZE|MAXIMIZE)'; then
        fail "openbox offers to size the $2: $(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)"
    fi
}

# Only the beep's own call is traced: Wine sounds it as the X bell, which no recording hears.
"$wine" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.MessageBeep' /f \
    >>"$workdir/reg.log" 2>&1
beeps() {
    grep -c 'Call user32.MessageBeep' "$workdir/app.log" || true
}
# Each win and each choice of About sounds the system's default beep once, and nothing else
# does. The beep is played on a thread of its own, so it may be traced a moment later.
about_chosen=0
beeps_as_played() {
    [ "$(beeps)" -eq $((wins + about_chosen)) ]
}

start_game() {
    "${still_clock[@]}" WINEDEBUG=-all,+relay "$wine" "$program" >"$workdir/app.log" 2>&1 &
    app_pid=$!
    still_clock_owners+=" $app_pid"
    about_chosen=0
}

# The same frozen moment on the Linux build, in the same X server: the game window before any
# spin. Each is taken alone, as a screenshot shows whatever covers a window.
compare_with_the_linux_build() { # compare_with_the_linux_build GAME
    xwd -silent -id "$1" >"$workdir/windows.xwd"
    "${still_clock[@]}" QT_QPA_PLATFORM=xcb "$linux_program" >"$workdir/linux.log" 2>&1 &
    linux_pid=$!
    wait_for 40 linux_window '^Kronesluk$' >/dev/null ||
        fail "the Linux build's welcome window never appeared"
    xdotool windowfocus --sync "$(linux_window '^Kronesluk$')" key F2
    wait_for 10 linux_window 'Tindrevik' >/dev/null ||
        fail "F2 did not show the Linux build's game window"
    wait_for 10 painted "$(linux_window 'Tindrevik')" ||
        fail "the Linux build's game window was never drawn"
    xwd -silent -id "$(linux_window 'Tindrevik')" >"$workdir/linux.xwd"
    stop "$linux_pid"
    python3 "$here/compare_game_windows.py" "$workdir/linux.xwd" "$workdir/windows.xwd" \
        "$workdir/difference.png" || fail "the game window differs from the Linux build's"
    echo "PASS: the game window is drawn as the Linux build draws it"
}
# linux_window TITLE: the Linux build's window of that title, once it is on screen.
linux_window() {
    local id
    for id in $(xdotool search --pid "$linux_pid" --name "$1" 2>/dev/null); do
        is_placed_window "$id" && echo "$id" && return 0
    done
    return 1
}

# The frames of the welcome and game windows and the pixels of the game window, once, in the
# first game; the beeps all along.
frames_seen=0
after_step() {
    case $1 in
        game)
            [ "$frames_seen" = 1 ] && return 0
            wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
            frame=$(fixed_single 'Kronesluk') || exit 1
            echo "PASS: the welcome window is fixed single: $frame"
            handed_to_the_window_manager "$(viewable '^Kronesluk$')" "welcome window"
            ;;
        welcome_then_f2)
            [ "$frames_seen" = 1 ] && return 0
            frames_seen=1
            frame=$(fixed_single 'Kronesluk  av   [ Tindrevik ]') || exit 1
            echo "PASS: the game window is fixed single: $frame"
            handed_to_the_window_manager "$game" "game window"
            echo "PASS: Wine hands openbox both as fixed windows, to move and close only"
            compare_with_the_linux_build "$game"
            ;;
        spin)
            wait_for 10 beeps_as_played ||
                fail "$wins wins and $about_chosen choices of About sounded $(beeps) beeps"
            ;;
        about_and_game_in_front)
            echo "PASS: the About dialog is a fixed dialog that Alt+Tab reaches, with no task-bar" \
                "button of its own: $about_frame"
            echo "PASS: each of $wins wins and each of $about_chosen choices of About sounded" \
                "the system's default beep once, and nothing else did"
            ;;
    esac
}

# opened_mid_screen WINDOW: the window's middle lies near the screen's, where a dialog that
# nothing owns opens. A dialog centres itself over its owner: one that is never shown must not
# take it to a corner.
opened_mid_screen() {
    local window screen
    window=$(xwininfo -id "$1") && screen=$(xwininfo -root) || return 1
    local -i x y width height screen_width screen_height
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$window")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$window")
    width=$(sed -n 's/.*Width: *//p' <<<"$window")
    height=$(sed -n 's/.*Height: *//p' <<<"$window")
    screen_width=$(sed -n 's/.*Width: *//p' <<<"$screen")
    screen_height=$(sed -n 's/.*Height: *//p' <<<"$screen")
    local -i off_x=$((x + width / 2 - screen_width / 2)) off_y=$((y + height / 2 - screen_height / 2))
    [ $((off_x * off_x + off_y * off_y)) -le $((60 * 60)) ]
}

# A dialog with a normal caption and a close box, fixed, that Alt+Tab reaches, and with no
# task-bar button of its own: no app window, and owned by a window that is not shown.
about_frame_check() {
    about_frame=$(windows_frame 'About Kronesluk' "WS_CAPTION WS_SYSMENU alt-tab owned owner-hidden" \
        "WS_THICKFRAME WS_MINIMIZEBOX WS_MAXIMIZEBOX WS_EX_TOOLWINDOW WS_EX_APPWINDOW task-bar") ||
        exit 1
    handed_to_the_window_manager "$(viewable '^About Kronesluk$')" "About dialog"
    opened_mid_screen "$(viewable '^About Kronesluk$')" || fail "About opened off the middle of" \
        "the screen, as its owner would put it: $(xwininfo -id "$(viewable '^About Kronesluk$')")"
    about_chosen=$((about_chosen + 1))
    wait_for 10 beeps_as_played ||
        fail "$wins wins and $about_chosen choices of About sounded $(beeps) beeps"
}

play_steps "$here/../end_to_end/played_game.steps"
