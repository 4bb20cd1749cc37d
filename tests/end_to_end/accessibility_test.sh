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

# In the order that lets each go cleanly: the program, then what it talks to, the X server last.
stop_everything() {
    [ -n "$app_pid" ] && stop "$app_pid"
    stop_accessibility_bus
    [ -n "$xvfb_pid" ] && stop "$xvfb_pid"
    app_pid="" xvfb_pid=""
}
trap 'stop_everything; cleanup' EXIT

start_x_server
start_accessibility_bus
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$program"

timeout 90 /usr/bin/python3 "$here/read_windows.py" || fail "read_windows.py failed"

started="$app_pid $registry_pid $accessibility_bus_pid $launcher_pid $session_bus_pid $xvfb_pid"
quit_with_ctrl_q "$(viewable 'Tindrevik')"
stop_everything
for pid in $started; do
    gone "$pid" || fail "process $pid is still there: $(cat "/proc/$pid/cmdline" | tr '\0' ' ')"
done
echo "PASS: each window reads in order, and a spin's result is announced on the bus"
