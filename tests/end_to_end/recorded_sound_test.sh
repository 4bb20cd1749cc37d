#!/usr/bin/env bash
# The beep the player hears, recorded from a sound server of the test's own: the About command
# of the real program under Xvfb sounds once, a win of the real game window sounds once, on X11
# and on Wayland (Weston), a loss not at all. With no sound server the game goes on and the
# toolkit's bell rings instead.
#
#   recorded_sound_test.sh PATH_TO_KRONESLUK PATH_TO_SCRIPTED_SPIN
set -euo pipefail

program=$1
scripted_spin=$2
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=sound_session.sh
source "$here/sound_session.sh"

# A Wayland compositor of the test's own: headless, and with no clients of its own to start.
compositor_pid=""
start_compositor() {
    wayland_runtime="$workdir/wayland"
    mkdir -p "$wayland_runtime"
    chmod 700 "$wayland_runtime"
    printf '[core]\nidle-time=0\n[input-method]\npath=\n' >"$workdir/weston.ini"
    XDG_RUNTIME_DIR="$wayland_runtime" weston --backend=headless-backend.so \
        --shell=kiosk-shell.so --socket=kronesluk --config="$workdir/weston.ini" \
        >"$workdir/weston.log" 2>&1 &
    compositor_pid=$!
    wait_for 10 test -S "$wayland_runtime/kronesluk" || fail "weston did not start"
}
stop_compositor() {
    [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null || true
}
trap 'stop_compositor; stop_sound_session; cleanup' EXIT

start_sound_server
start_x_server

# The About command of the game window ("&About" > "&Game"); nothing else sounds on the way.
start_recording about
start_program "$program"
game=$(open_game_window)
xdotool windowfocus --sync "$game" key alt+a
wait_for 5 menu_open || fail "Alt+A did not open the About menu"
xdotool key g
wait_for 10 viewable '^About Kronesluk$' >/dev/null || fail "the About command showed no dialog"
wait_for 5 heard 1 about || fail "the About command made no sound"
sleep 1  # room for a second sound, which must not come
stop_recording
[ "$(sounds_in about)" -eq 1 ] || fail "the About command made $(sounds_in about) sounds, not 1"
quit_with_ctrl_q "$game"

# spin NAME PLATFORM FIRST SECOND THIRD: one spin of the game window on Qt's platform plugin,
# which says how it beeped in NAME.log.
spin() {
    local name=$1 platform=$2
    shift 2
    QT_QPA_PLATFORM=$platform "$scripted_spin" "$@" >"$workdir/$name.log" 2>&1 ||
        fail "the $name spin did not reveal to its end: $(cat "$workdir/$name.log")"
}
lines() {
    grep -c -x "$1" "$workdir/$2.log" || true
}

start_recording win
spin win xcb 1 1 0
stop_recording
[ "$(sounds_in win)" -eq 1 ] || fail "a win made $(sounds_in win) sounds, not 1"
[ "$(lines beep win)" -eq 1 ] || fail "the win beeped $(lines beep win) times"
[ "$(lines 'toolkit bell' win)" -eq 0 ] || fail "the toolkit's bell rang although the sound played"

start_recording loss
spin loss xcb 0 1 2
stop_recording
[ "$(sounds_in loss)" -eq 0 ] || fail "a loss made $(sounds_in loss) sounds"
[ "$(lines beep loss)" -eq 0 ] || fail "a loss beeped"

# Qt's Wayland plugin, and Mesa's EGL that it loads, leave allocations behind at exit, which a
# sanitizer build's leak check would report (none of them is the game's): this spin goes
# without that check, the X11 ones above keep it.
start_compositor
start_recording wayland
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" XDG_RUNTIME_DIR="$wayland_runtime" \
    WAYLAND_DISPLAY=kronesluk spin wayland wayland 1 1 0
stop_recording
[ "$(sounds_in wayland)" -eq 1 ] || fail "a win on Wayland made $(sounds_in wayland) sounds, not 1"
[ "$(lines 'toolkit bell' wayland)" -eq 0 ] || fail "the toolkit's bell rang on Wayland"

# No sound server at all: the spin reveals to its end and the toolkit's bell rings once.
PULSE_SERVER="unix:$workdir/no-sound-server" spin silent xcb 1 1 0
[ "$(lines beep silent)" -eq 1 ] || fail "the win without a sound server beeped $(lines beep silent) times"
[ "$(lines 'toolkit bell' silent)" -eq 1 ] || fail "no toolkit bell rang without a sound server"

echo "PASS: About and a win sound once each, on X11 and Wayland, a loss not at all;" \
    "without a sound server the toolkit's bell rings"
