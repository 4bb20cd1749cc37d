#!/usr/bin/env bash
# The session asks the real program to end as a desktop does: SIGTERM at a logout, SIGHUP when
# its terminal closes, SIGINT for Ctrl+C there. Each ends the game as Ctrl+Q does, with status 0
# and nothing on standard error, from the welcome window and from the game window.
#
#   session_end_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"

start_x_server
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# ends_cleanly SIGNAL WINDOW: start the program, bring WINDOW up, send SIGNAL, expect status 0.
ends_cleanly() {
    local signal=$1 window=$2 status=0
    # A job started in the background ignores SIGINT unless told otherwise.
    start_program env --default-signal=INT "$program"
    wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
    if [ "$window" = game ]; then
        xdotool windowfocus --sync "$(viewable '^Kronesluk$')" key F2
        wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
    fi
    kill "-$signal" "$app_pid"
    wait_for 10 ended "$app_pid" || fail "SIG$signal did not end the program"
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "SIG$signal in the $window window ended the program with status $status"
    [ ! -s "$workdir/app.log" ] || fail "SIG$signal in the $window window left words on standard error"
}

for signal in TERM HUP INT; do
    ends_cleanly "$signal" welcome
done
ends_cleanly TERM game
echo "PASS: SIGTERM, SIGHUP and SIGINT end the program as Ctrl+Q does, with status 0"
