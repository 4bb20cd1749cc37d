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
# shellcheck source=accessibility_bus.sh
source "$here/accessibility_bus.sh"
listener_pid=""

# In the order that lets each go cleanly: the program, then what it talks to, the X server last.
stop_everything() {
    [ -n "$app_pid" ] && stop "$app_pid"
    [ -n "$listener_pid" ] && stop "$listener_pid"
    stop_accessibility_bus
    [ -n "$xvfb_pid" ] && stop "$xvfb_pid"
    app_pid="" listener_pid="" xvfb_pid=""
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
