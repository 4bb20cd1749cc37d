#!/usr/bin/env bash
# Started where there is no desktop (an ssh session, a stale DISPLAY or WAYLAND_DISPLAY), the
# program says so in one plain line and exits with status 1: no abort, no list of plugins.
# Where a display is there but does not let the program in (an X server that wants a cookie the
# program lacks), it says that instead: what the server and Qt said, and which display it tried.
# Where the display lets it in, it plays.
#
#   no_display_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
expected="Kronesluk needs a graphical desktop and found no X11 or Wayland display."
runtime=$(mktemp -d)
x_servers=()
stop_x_servers() {
    local pid
    for pid in "${x_servers[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap 'stop_x_servers; rm -rf "$runtime"' EXIT

fail() {
    echo "FAIL: $1"
    sed 's/^/  /' "$runtime/err"
    exit 1
}

# run NAME ENVIRONMENT...: run the program in that environment only; it must end by itself.
run() {
    local name=$1
    shift
    status=0
    timeout 20 env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" "$@" "$program" \
        >"$runtime/out" 2>"$runtime/err" || status=$?
    [ "$status" -eq 1 ] || fail "$name: status $status"
    [ ! -s "$runtime/out" ] || fail "$name: wrote to standard output"
}

# check NAME ENVIRONMENT...: no display answers, and the program says exactly that.
check() {
    run "$@"
    [ "$(cat "$runtime/err")" = "$expected" ] || fail "$1: said"
}

check "no display at all"
# A display number nothing listens on: X servers keep their sockets in /tmp/.X11-unix.
free=99
while [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done
check "a stale DISPLAY" DISPLAY=":$free"
check "a stale WAYLAND_DISPLAY" WAYLAND_DISPLAY=gone XDG_SESSION_TYPE=wayland

# start_x_server FILE [ARGS...]: an Xvfb of our own; its display number lands in FILE. It does
# not reset when a client leaves, which would turn away one that connects meanwhile.
start_x_server() {
    local file=$1
    shift
    Xvfb -displayfd 3 -noreset -nolisten tcp "$@" 3>"$file" >/dev/null 2>&1 &
    x_servers+=($!)
    for _ in $(seq 1 100); do
        [ -s "$file" ] && return 0
        sleep 0.1
    done
    echo "FAIL: Xvfb did not start"
    exit 1
}

# An X server that only lets in clients with its cookie; the program has none.
xauth -q -f "$runtime/cookies" add :0 . "$(mcookie)" 2>/dev/null
start_x_server "$runtime/locked" -auth "$runtime/cookies"
locked=":$(cat "$runtime/locked")"
run "a display that wants a cookie" DISPLAY="$locked"
grep -q "$expected" "$runtime/err" && fail "a display that wants a cookie: reported as no display"
grep -q "Authorization required" "$runtime/err" ||
    fail "a display that wants a cookie: the server's reason was not passed on"
grep -q "could not connect to display $locked" "$runtime/err" ||
    fail "a display that wants a cookie: Qt's message was not passed on"
[ "$(tail -n 1 "$runtime/err")" = "Kronesluk could not open the desktop's display: X11 display \"$locked\" is there but did not let the program in." ] ||
    fail "a display that wants a cookie: the last line does not name the display tried"

# A display that lets the program in: it runs until it is asked to end. A sanitizer build
# keeps its options, the leak check's suppressions among them.
start_x_server "$runtime/open"
env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" DISPLAY=":$(cat "$runtime/open")" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$program" >"$runtime/out" 2>"$runtime/err" &
program_pid=$!
for _ in $(seq 1 100); do
    DISPLAY=":$(cat "$runtime/open")" xdotool search --name '^Kronesluk$' >/dev/null 2>&1 && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
status=0
kill -0 "$program_pid" 2>/dev/null || { wait "$program_pid" || status=$?; fail "a display that lets it in: ended with status $status"; }
kill -TERM "$program_pid"
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "a display that lets it in: status $status after SIGTERM"
[ ! -s "$runtime/err" ] || fail "a display that lets it in: said"
echo "PASS: one plain line and status 1 wherever no display answers; a display that refuses" \
    "the program is named with its reason; one that lets it in is played on"
