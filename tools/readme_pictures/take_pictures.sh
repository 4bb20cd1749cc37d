#!/usr/bin/env bash
# Takes the README's pictures from the real program on Weston, its wall clock held still.
#
#   take_pictures.sh PATH_TO_KRONESLUK OUTPUT_FOLDER
#
# KSL_PICTURE_OPTIMISATION sets optipng's level (5, the smallest files, unless set): a check of
# what the pictures show need not wait for their smallest form.
#
# Two sessions, each on a Weston of its own (on an X server of its own, whose key presses Weston
# hands to the game): a light desktop at the ordinary density, and Adwaita-Dark at twice the
# density. Each gives the welcome window, the game window after one spin of 1 krone, and the
# About dialog, every window with the title bar the program draws on Wayland:
#
#   welcome-window.png  game-window.png  about-dialog.png
#   welcome-window-dark@2x.png  game-window-dark@2x.png  about-dialog-dark@2x.png
#
# The wall clock stands still at one moment (the monotonic clock runs on, so the game's timers
# do): the status bar always shows the same time and date, and the draw, seeded from the wall
# clock, always turns up the same reels. At this moment they are 0 0 0, the top prize.
set -euo pipefail

program=$(realpath "$1")
out=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../../tests/end_to_end/x_session.sh
source "$here/../../tests/end_to_end/x_session.sh"

moment='2026-12-08 12:01:47'
still_clock=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$') ||
    { echo "FAIL: libfaketime is not installed" >&2; exit 1; }

weston_pid=""
# The still clock's library shares its setting with the program's children through shared
# memory named by the program's pid; it removes it when the program ends of itself, and so does
# this when the program had to be stopped.
stop_program() {
    [ -n "$app_pid" ] || return 0
    stop "$app_pid"
    rm -f "/dev/shm/faketime_shm_$app_pid" "/dev/shm/sem.faketime_sem_$app_pid"
    app_pid=""
}
stop_session() {
    stop_program
    stop "$weston_pid"
    weston_pid=""
    stop "$xvfb_pid"
    xvfb_pid=""
}
trap 'stop_session; cleanup' EXIT

export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=kronesluk-pictures
# The same time and date, in the same words, on every machine.
export TZ=UTC LC_ALL=C.UTF-8 LANG=C.UTF-8

scale=1
# start_session SCALE THEME: an X server large enough for a 1024 x 768 desktop at that scale,
# Weston on it, and the program under the still clock.
start_session() {
    scale=$1
    Xvfb -displayfd 3 -noreset -screen 0 $((1024 * scale))x$((768 * scale))x24 -nolisten tcp \
        3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 10 test -s "$workdir/display" || fail "Xvfb did not start"
    DISPLAY=":$(cat "$workdir/display")"
    export DISPLAY
    rm "$workdir/display"

    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --scale="$scale" \
        --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug --no-config \
        >"$workdir/weston.log" 2>&1 &
    weston_pid=$!
    wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
    # Weston's window holds the X server's keyboard from the start: with the keyboard following
    # the pointer instead, Weston would lose it to every move of the pointer off its window.
    wait_for 10 compositor_window_shown || fail "Weston's window is not on the X server"
    xdotool windowfocus --sync "$(compositor_window)"

    local theme=()
    if [ "$2" = dark ]; then
        theme=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)
    fi
    # The library itself, not its wrapper: the pid is then the program's own, and no wrapper
    # leaves its shared memory behind when stopped.
    env "${theme[@]}" QT_QPA_PLATFORM=wayland LD_PRELOAD="$still_clock" FAKETIME="$moment" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 WAYLAND_DEBUG=client "$program" \
        >"$workdir/app.log" 2>"$wayland_log" &
    app_pid=$!
}

# shellcheck source=../../tests/end_to_end/weston_scene.sh
source "$here/../../tests/end_to_end/weston_scene.sh"
wayland_log="$workdir/wayland.log"
# shellcheck source=../../tests/end_to_end/wayland_heard.sh
source "$here/../../tests/end_to_end/wayland_heard.sh"

compositor_window() { xwininfo -root -tree | awk '/Weston Compositor/ {print $1; exit}'; }
compositor_window_shown() { [ -n "$(compositor_window)" ]; }

# Weston draws the pointer into its output: it rests on the desktop, beside the window, for
# the picture. The window is narrower than half the desktop, so one side has room.
pointer_beside() {
    local box x
    read -r -a box <<<"$(window_box "$1")"
    [ "${#box[@]}" -eq 4 ] || fail "the window '$1' is not on the desktop"
    if [ $((1024 - box[2])) -gt "${box[0]}" ]; then
        x=$(((box[2] + 1024) / 2))
    else
        x=$((box[0] / 2))
    fi
    xdotool mousemove --window "$(compositor_window)" $((x * scale)) $((384 * scale))
}

# shoot TITLE FILE: the window's pixels off the compositor's output.
shoot() {
    local box
    read -r -a box <<<"$(window_box "$1")"
    [ "${#box[@]}" -eq 4 ] || return 1
    xwd -silent -id "$(compositor_window)" >"$workdir/screen.xwd" 2>/dev/null || return 1
    "$here/xwd_to_png.py" "$workdir/screen.xwd" $((box[0] * scale)) $((box[1] * scale)) \
        $(((box[2] - box[0]) * scale)) $(((box[3] - box[1]) * scale)) "$2"
}
# A window is ready for its picture once two shots half a second apart are the same.
still() {
    shoot "$1" "$workdir/before.png" || return 1
    sleep 0.5
    shoot "$1" "$workdir/after.png" && cmp -s "$workdir/before.png" "$workdir/after.png"
}
# take TITLE NAME: the window, once still, as an optimised PNG in the output folder.
take() {
    wait_for 20 still "$1" || fail "the window '$1' did not hold still"
    optipng -quiet "-o${KSL_PICTURE_OPTIMISATION:-5}" -strip all "$workdir/after.png"
    mv "$workdir/after.png" "$out/$2.png"
    echo "$out/$2.png"
}

welcome='Kronesluk'
game='Kronesluk  av   [ Tindrevik ]'
about='About Kronesluk'

mkdir -p "$out"

# pictures SCALE THEME SUFFIX: the three windows in one session.
pictures() {
    start_session "$1" "$2"
    wait_for 40 shown "$welcome" || fail "no welcome window"
    # Weston hands a new window the keyboard, and its title bar is drawn as the active one.
    wait_for 20 has wl_keyboard || fail "the welcome window did not get the keyboard"
    pointer_beside "$welcome"
    take "$welcome" "welcome-window$3"

    local output box entered
    output=$(compositor_window)
    [ -n "$output" ] || fail "the compositor's window is not on the X server"
    # Weston's window gets the X server's keyboard, and with it the welcome window Weston's;
    # where Weston has let it go meanwhile, a click on the window, away from its menu, gives
    # it back.
    xdotool windowfocus --sync "$output"
    wait_for 3 has wl_keyboard || click_in "$output" "$welcome" 224 300 "$scale"
    wait_for 10 settled || fail "the welcome window did not settle" "$(last_heard)"
    entered=$(count_of wl_keyboard.enter)
    xdotool key F2
    wait_for 20 shown "$game" || fail "F2 did not show the game window" "$(last_heard)"
    wait_for 10 not shown "$welcome" || fail "F2 left the welcome window up"
    wait_for 10 keyboard_came_after "$entered" || fail "the game window did not get the keyboard"
    pointer_beside "$game"
    # Space spins at 1 krone; the reveal ends with the buttons back, after two and a half seconds.
    xdotool key space
    sleep 3
    take "$game" "game-window$3"

    open_menu alt+a
    xdotool key g
    wait_for 10 shown "$about" || fail "the About command showed no dialog"
    pointer_beside "$about"
    take "$about" "about-dialog$3"

    # Enter closes the dialog; Weston hands the game window the keyboard again (or a click on
    # its status bar does), and Ctrl+Q ends the program as a player would.
    entered=$(count_of wl_keyboard.enter)
    xdotool key Return
    wait_for 10 not shown "$about" || fail "Enter did not close the About dialog"
    if ! wait_for 5 keyboard_came_after "$entered"; then
        read -r -a box <<<"$(window_box "$game")"
        click_in "$output" "$game" 300 $((box[3] - box[1] - 5)) "$scale"
    fi
    xdotool key ctrl+q
    wait_for 10 ended "$app_pid" || fail "Ctrl+Q did not end the program"
    stop_program
    stop_session
}

pictures 1 light ""
pictures 2 dark "-dark@2x"
