#!/usr/bin/env bash
# The game on Windows in figures: the cold build of its Qt, the sizes of what a player downloads,
# and the start-up to the welcome window under Wine beside the Linux build on this machine.
#
#   windows_bench.sh BUILD_WINDOWS_DIR LINUX_PROGRAM QT_PREFIX
set -euo pipefail

build=$1
linux_program=$2
qt_prefix=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../tests/windows/wine_session.sh
source "$here/../tests/windows/wine_session.sh"

kib() { echo "$(( ($(stat -c %s "$1") + 1023) / 1024 )) KiB"; }

if [ -f "$qt_prefix/.build-seconds" ]; then
    echo "cold Qt build for Windows: $(( $(cat "$qt_prefix/.build-seconds") / 60 )) min"
fi
echo "kronesluk.exe (stripped): $(kib "$build/windows-stage/Kronesluk/kronesluk.exe")"
echo "installer:                $(kib "$build/kronesluk-1.00-setup.exe")"
echo "portable zip:             $(kib "$build/kronesluk-1.00-windows-x64.zip")"

start_x_server
start_wine_prefix
cp "$build/windows-stage/Kronesluk/kronesluk.exe" "$drive_c/kronesluk.exe"

# start_to_welcome COMMAND...: milliseconds from the start to the welcome window on screen.
start_to_welcome() {
    local started=$EPOCHREALTIME
    "$@" >"$workdir/app.log" 2>&1 &
    app_pid=$!
    wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "no welcome window"
    local ended=$EPOCHREALTIME
    stop "$app_pid"
    app_pid=""
    echo $(( (${ended/./} - ${started/./}) / 1000 ))
}

runs=5
for name in linux wine; do
    times=()
    for _ in $(seq "$runs"); do
        if [ "$name" = linux ]; then
            times+=("$(QT_QPA_PLATFORM=xcb start_to_welcome "$linux_program")")
        else
            times+=("$(start_to_welcome "$wine" 'C:\kronesluk.exe')")
        fi
    done
    sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    echo "start-up to the welcome window, $name: median $median ms (runs: $sorted)"
done
