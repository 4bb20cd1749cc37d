# Shared by the tests that meet the program as a screen reader does: a session bus of the test's
# own, and on it at-spi-bus-launcher with the accessibility bus and its registry, as on a desktop.
# Source it after x_session.sh; call start_accessibility_bus, and stop_accessibility_bus once
# the program and every client of the bus have been stopped.

session_bus_pid=""
launcher_pid=""
accessibility_bus_pid=""
registry_pid=""

bus_name_owned() {
    dbus-send --bus="$1" --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q true
}

start_accessibility_bus() {
    # The accessibility bus puts its socket under XDG_RUNTIME_DIR: ours, not a desktop's.
    export XDG_RUNTIME_DIR="$workdir/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
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
        fail "the accessibility registry did not start on $address" \
            "($(registry_state)): $(cat "$workdir/registry.log" "$workdir/launcher.log")"
}

registry_state() {
    if kill -0 "$registry_pid" 2>/dev/null; then echo "it still runs"; else echo "it ended"; fi
}

# The registry, then the accessibility bus, its launcher and the session bus.
stop_accessibility_bus() {
    [ -n "$registry_pid" ] && stop "$registry_pid"
    # The launcher reaps the accessibility bus when the bus ends, and then ends itself.
    if [ -n "$accessibility_bus_pid" ]; then
        kill "$accessibility_bus_pid" 2>/dev/null || true
        wait_for 5 gone "$accessibility_bus_pid" || true
    fi
    [ -n "$launcher_pid" ] && stop "$launcher_pid"
    [ -n "$session_bus_pid" ] && stop "$session_bus_pid"
    registry_pid="" accessibility_bus_pid="" launcher_pid="" session_bus_pid=""
}
