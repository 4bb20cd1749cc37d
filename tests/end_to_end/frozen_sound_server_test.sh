#!/usr/bin/env bash
# A beep belongs to its moment. The real program under Xvfb beeps once through a sound server of
# the test's own; the server is then frozen (SIGSTOP) while the About command asks for more
# beeps, and let go (SIGCONT): none of the beeps asked for meanwhile sounds late, and the next
# one after the server is back sounds at once. The default freeze, 40 s, is one a desktop was
# seen to go through. After a freeze of a few seconds the one beep the server had been handed
# just as it froze is stopped as soon as it starts late, but the silent sink here renders what it
# missed in one go on resumption, so that beep may still be heard in the recording.
#
#   frozen_sound_server_test.sh PATH_TO_KRONESLUK [SECONDS_FROZEN]
set -euo pipefail

program=$1
frozen_for=${2:-40}
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=sound_session.sh
source "$here/sound_session.sh"

frozen=""
let_go() {
    [ -n "$frozen" ] && kill -CONT "$sound_server_pid" 2>/dev/null || true
    frozen=""
}
trap 'let_go; stop_sound_session; cleanup' EXIT

start_sound_server
start_x_server
start_recording beeps
start_program "$program"
game=$(open_game_window)

# The About command ("&About" > "&Game") beeps every time, with the dialog open or not.
about() {
    xdotool windowfocus --sync "$game" key alt+a
    wait_for 5 menu_open || fail "Alt+A did not open the About menu"
    xdotool key g
    wait_for 5 menu_closed || fail "the About menu did not close"
}

about
wait_for 5 heard 1 beeps || fail "the first About command made no sound"
sleep 1

kill -STOP "$sound_server_pid"
frozen=yes
for _ in 1 2 3; do
    about
done
sleep "$frozen_for"
let_go
# Room for a late burst, which must not come.
sleep 2
[ "$(sounds_in beeps)" -eq 1 ] ||
    fail "$(($(sounds_in beeps) - 1)) beeps asked for while the server was frozen sounded late"

about
wait_for 1 heard 2 beeps ||
    fail "the first beep after the server came back did not sound within a second"
sleep 1
[ "$(sounds_in beeps)" -eq 2 ] || fail "after the server came back one beep made $(($(sounds_in beeps) - 1)) sounds"
stop_recording
quit_with_ctrl_q "$game"
echo "PASS: no beep asked for during a ${frozen_for} s freeze sounded late; the next sounded" \
    "within a second"
