#!/usr/bin/env bash
# The real program as a screen reader meets it: on a private session bus with its own
# accessibility bus, read_windows.py reads the tree of each window, plays one spin by keyboard
# and listens for the spoken result. Everything started here is stopped here, by its pid.
#
#   accessibility_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"

session_bus_pid=""
launcher_pid=""
accessibility_bus_pid=""
registry_pid=""
listener_pid=""

bus_name_owned() {
    dbus-send --bus="$1" --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q true
}

# A session bus of our own; at-spi-bus-launcher on it starts the accessibility bus, which the
# program and the registry find through it, as they would on a desktop.
start_accessibility_bus() {
    # The accessibility bus puts its socket under XDG_RUNTIME_DIR: ours, not a desktop's.
    export XDG_RUNTIME_DIR="$workdir/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-daemon --session --nofork --print-address=3 3>"$workdir/session_bus" \
        >"$workdir/session_bus.log" 2>&1 &
    session_bus_pid=$!
    wait_for 10 test -s "$workdir/session_bus" || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$workdir/session_bus")
    export DBUS_SESSION_BUS_ADDRESS

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/launcher.log" 2>&1 &
    launcher_pid=$!
    wait_for 10 bus_name_owned "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus ||
        fail "at-spi-bus-launcher did not start the accessibility bus"
    local address
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | tr -d ' ')
    # The accessibility bus is the launcher's child; asked for its own pid, a bus gives it.
    accessibility_bus_pid=$(dbus-send --bus="$address" --print-reply=literal \
        --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.freedesktop.DBus |
        awk '{print $2}')

    /usr/libexec/at-spi2-registryd >"$workdir/registry.log" 2>&1 &
    registry_pid=$!
    wait_for 10 bus_name_owned "$address" org.a11y.atspi.Registry ||
        fail "the accessibility registry did not start"
}

# In the order that lets each go cleanly: the program, then what it talks to, the X server last.
stop_everything() {
    [ -n "$app_pid" ] && stop "$app_pid"
    [ -n "$listener_pid" ] && stop "$listener_pid"
    [ -n "$registry_pid" ] && stop "$registry_pid"
    # The launcher reaps the accessibility bus when the bus ends, and then ends itself.
    if [ -n "$accessibility_bus_pid" ]; then
        kill "$accessibility_bus_pid" 2>/dev/null || true
        wait_for 5 gone "$accessibility_bus_pid" || true
    fi
    [ -n "$launcher_pid" ] && stop "$launcher_pid"
    [ -n "$session_bus_pid" ] && stop "$session_bus_pid"
    [ -n "$xvfb_pid" ] && stop "$xvfb_pid"
    app_pid="" listener_pid="" registry_pid="" accessibility_bus_pid="" launcher_pid="" session_bus_pid="" xvfb_pid=""
}
trap 'stop_everything; cleanup' EXIT

start_x_server
start_accessibility_bus
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$program"

timeout 90 /usr/bin/python3 "$here/read_windows.py" || fail "read_windows.py failed"

# The accessibility bus goes away under the program while a screen reader listens for keys:
# that costs at most one line on standard error, however many keys follow.
/usr/bin/python3 -c '
import pyatspi
pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
print("listening", flush=True)
pyatspi.Registry.start()' >"$workdir/listener.log" 2>&1 &
listener_pid=$!
wait_for 10 grep -q listening "$workdir/listener.log" || fail "the key listener did not start"
game=$(viewable 'Tindrevik')
lines_before=$(wc -l <"$workdir/app.log")
kill "$accessibility_bus_pid"
wait_for 5 gone "$accessibility_bus_pid" || fail "the accessibility bus did not end"
for _ in $(seq 1 20); do
    xdotool windowfocus --sync "$game" key x
done
sleep 1  # room for the complaints, which come at once
added=$(($(wc -l <"$workdir/app.log") - lines_before))
[ "$added" -le 1 ] || fail "a lost accessibility bus cost $added lines on standard error"

started="$app_pid $listener_pid $registry_pid $accessibility_bus_pid $launcher_pid $session_bus_pid $xvfb_pid"
quit_with_ctrl_q "$game"
stop_everything
for pid in $started; do
    gone "$pid" || fail "process $pid is still there: $(cat "/proc/$pid/cmdline" | tr '\0' ' ')"
done
echo "PASS: each window reads in order, and a spin's result is announced on the bus"
