# shellcheck shell=bash
# Shared by the tests that run the real program in a real X server. Source it; then call
# start_x_server, optionally start_window_manager, and start_program PATH. Everything started
# is stopped when the script exits.

workdir=$(mktemp -d)
xvfb_pid=""
wm_pid=""
app_pid=""

# The programs under test reach no sound server unless a test starts one of its own: none is
# started behind the test's back, and the desktop around the test stays quiet.
export PULSE_SERVER="unix:$workdir/no-sound-server"
export CANBERRA_DRIVER=pulse

gone() {
    [ ! -e "/proc/$1" ]
}
# A child of ours that has ended stays, a zombie, until it is waited for.
ended() {
    gone "$1" || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat" 2>/dev/null
}

# stop PID: ask a child of ours to end, make sure it does, and reap it, so that none lingers.
stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || return 0
    wait_for 5 ended "$1" || kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# A program run at a still clock (libfaketime) shares the clock with its children through two
# files named by its pid; they go when it ends of itself, but not when it is stopped, nor
# behind Wine. Tests name such programs here, and the files go at the end.
still_clock_owners=""

cleanup() {
    stop "$app_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    local pid
    for pid in $still_clock_owners; do
        rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
    done
    rm -rf "$workdir"
}
trap cleanup EXIT

fail() {
    printf "FAIL: %s\n" "$*" >&2
    [ -f "$workdir/app.log" ] && sed 's/^/  kronesluk: /' "$workdir/app.log" >&2
    describe_program >&2
    describe_desktop >&2
    exit 1
}

# Whether the X server and the window manager still run, and what they said.
describe_desktop() {
    describe_helper xvfb "$xvfb_pid" "$workdir/xvfb.log"
    describe_helper openbox "$wm_pid" "$workdir/openbox.log"
}
describe_helper() { # describe_helper NAME PID LOG
    [ -n "$2" ] || return 0
    if ended "$2"; then echo "  $1 (pid $2) had ended"; fi
    if [ -s "$3" ]; then tail -n 5 "$3" | sed "s/^/  $1: /"; fi
}

# What became of the program, for a failure that a busy machine makes rare: whether it ended
# and how, or else where its threads wait and which windows it has.
describe_program() {
    [ -n "$app_pid" ] || return 0
    if ended "$app_pid"; then
        local status=0
        wait "$app_pid" 2>/dev/null || status=$?
        app_pid=""
        echo "  the program had ended with status $status"
        return 0
    fi
    local task
    for task in /proc/"$app_pid"/task/*; do
        echo "  thread $(cat "$task/comm" 2>/dev/null) waits in $(cat "$task/wchan" 2>/dev/null)"
    done
    local id
    for id in $(xdotool search --pid "$app_pid" 2>/dev/null); do
        echo "  window $id '$(xdotool getwindowname "$id" 2>/dev/null)'" \
            "$(xwininfo -id "$id" 2>/dev/null | grep -o 'Map State: .*')"
        xprop -id "$id" WM_STATE WM_HINTS _NET_WM_STATE _NET_WM_DESKTOP _NET_WM_WINDOW_TYPE \
            2>/dev/null | sed 's/^/    /'
    done
    xprop -root _NET_CLIENT_LIST _NET_CURRENT_DESKTOP _NET_ACTIVE_WINDOW 2>/dev/null |
        sed 's/^/  root: /'
}

# wait_for SECONDS COMMAND...: retry a check until it holds or time runs out.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Xvfb picks a free display itself and writes its number once it is ready for clients. It
# keeps running as it is when its last client leaves: by default it resets then, and a client
# that connects during the reset is turned away (one quick connection in eight, two at a time).
start_x_server() {
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" \
        >"$workdir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 10 test -s "$workdir/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$workdir/display")"
}

# openbox, as a player's desktop runs a window manager. It claims the screen early in its
# start-up, but a window mapped before the start-up has ended may never be managed, and so
# never shown: it is ready once it runs the command it is given for then.
start_window_manager() {
    openbox --sm-disable --startup "touch $workdir/openbox-started" >"$workdir/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 10 test -e "$workdir/openbox-started" || fail "openbox did not start"
}

start_program() {
    QT_QPA_PLATFORM=xcb "$@" >"$workdir/app.log" 2>&1 &
    app_pid=$!
}

# A viewable window that a window manager would place. Open menus and tool tips are left out:
# they are override-redirect and, having no title of their own, carry the program's name.
is_placed_window() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    grep -q 'IsViewable' <<<"$info" && ! grep -q 'Override Redirect State: yes' <<<"$info"
}

# An open menu is a viewable window of the program that no window manager places.
menu_open() {
    local id
    for id in $(xdotool search --pid "$app_pid" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && ! is_placed_window "$id" && return 0
    done
    return 1
}
menu_closed() {
    ! menu_open
}

# The one viewable top-level window whose title matches.
viewable() {
    local id
    for id in $(xdotool search --name "$1" 2>/dev/null); do
        if is_placed_window "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# The window has the keyboard: key presses sent now reach it.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# wm_has_handled WINDOW: openbox has carried out every request sent before for the window. It
# handles them in order, so once a later one shows (keep above), the earlier ones are done.
wm_has_handled() {
    wmctrl -i -r "$1" -b add,above
    wait_for 10 eval "xprop -id $1 _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
        fail "openbox did not answer a request for window $1"
    wmctrl -i -r "$1" -b remove,above
}

# From the welcome window, F2 opens the game; prints the game window's id.
open_game_window() {
    wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
    xdotool windowfocus --sync "$(viewable '^Kronesluk$')" key F2
    wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
    viewable 'Tindrevik'
}

# Ctrl+Q in the given window must end the program with status 0.
quit_with_ctrl_q() {
    xdotool windowfocus --sync "$1" key ctrl+q
    for _ in $(seq 1 100); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
