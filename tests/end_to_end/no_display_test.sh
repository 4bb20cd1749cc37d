#!/usr/bin/env bash
# Started where there is no desktop (an ssh session, a stale DISPLAY or WAYLAND_DISPLAY), the
# program says so in one plain line and exits with status 1: no abort, no list of plugins.
#
#   no_display_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
expected="Kronesluk needs a graphical desktop and found no X11 or Wayland display."
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

# check NAME ENVIRONMENT...: run the program in that environment only.
check() {
    local name=$1 status=0
    shift
    timeout 20 env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" "$@" "$program" \
        >"$runtime/out" 2>"$runtime/err" || status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: $name: status $status"; cat "$runtime/err"; exit 1; }
    [ ! -s "$runtime/out" ] || { echo "FAIL: $name: wrote to standard output"; exit 1; }
    [ "$(cat "$runtime/err")" = "$expected" ] ||
        { echo "FAIL: $name: said"; sed 's/^/  /' "$runtime/err"; exit 1; }
}

check "no display at all"
# A display number nothing listens on: X servers keep their sockets in /tmp/.X11-unix.
free=99
while [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done
check "a stale DISPLAY" DISPLAY=":$free"
check "a stale WAYLAND_DISPLAY" WAYLAND_DISPLAY=gone XDG_SESSION_TYPE=wayland
echo "PASS: one plain line and status 1 wherever no display answers"
