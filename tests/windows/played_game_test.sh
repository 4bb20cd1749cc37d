#!/usr/bin/env bash
# The installed game under Wine, as a player meets it: the welcome window, F2, a spin at each
# stake from the keyboard watched on screen step by step, the game window held pixel by pixel
# against the Linux build's, a win's beep, and Ctrl+Q ending it with status 0.
#
#   played_game_test.sh INSTALLER LINUX_PROGRAM
set -euo pipefail

installer=$1
linux_program=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

# The wall clock stands still at a moment whose first draw is 0 0 0, so a spin wins and beeps;
# the monotonic clock, and with it every timer of the reveal, runs on as ever.
faketime_library=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
frozen_clock=(env "LD_PRELOAD=$faketime_library" "FAKETIME=2026-12-08 12:01:47"
              FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC)

start_x_server
# Windows always has its shell around the windows; without a window manager Wine's windows are
# drawn out of place.
start_window_manager
start_wine_prefix
give_windows_fonts
install_silently "$installer" || fail "the installer failed"
program='C:\Program Files\Kronesluk\kronesluk.exe'

# Only the beep's own call is traced: Wine sounds it as the X bell, which no recording hears.
"$wine" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.MessageBeep' /f \
    >>"$workdir/reg.log" 2>&1
"${frozen_clock[@]}" WINEDEBUG=-all,+relay "$wine" "$program" >"$workdir/app.log" 2>&1 &
app_pid=$!
still_clock_owners=$app_pid

wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
viewable 'Tindrevik' >/dev/null && fail "the game window is visible at start-up"
welcome=$(viewable '^Kronesluk$')
xdotool windowfocus --sync "$welcome" key F2
wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
game=$(viewable 'Tindrevik')
echo "PASS: the welcome window, and F2 shows the game window"

# The same frozen moment on the Linux build, in the same X server: the game window before any
# spin. Each is taken alone, as a screenshot shows whatever covers a window.
sleep 1  # the game window has painted
xwd -silent -id "$game" >"$workdir/windows.xwd"
"${frozen_clock[@]}" QT_QPA_PLATFORM=xcb "$linux_program" >"$workdir/linux.log" 2>&1 &
linux_pid=$!
# linux_window TITLE: the Linux build's window of that title, once it is on screen.
linux_window() {
    local id
    for id in $(xdotool search --pid "$linux_pid" --name "$1" 2>/dev/null); do
        is_placed_window "$id" && echo "$id" && return 0
    done
    return 1
}
wait_for 40 linux_window '^Kronesluk$' >/dev/null || fail "the Linux build's welcome window never appeared"
xdotool windowfocus --sync "$(linux_window '^Kronesluk$')" key F2
wait_for 10 linux_window 'Tindrevik' >/dev/null || fail "F2 did not show the Linux build's game window"
sleep 1  # it has painted
xwd -silent -id "$(linux_window 'Tindrevik')" >"$workdir/linux.xwd"
stop "$linux_pid"
python3 "$here/compare_game_windows.py" "$workdir/linux.xwd" "$workdir/windows.xwd" \
    "$workdir/difference.png" || fail "the game window differs from the Linux build's"

# Each step of the reveal no sooner than designed, and in the designed order; a busy machine
# only makes them later, so no upper bound is held.
check_spin() {
    local stake=$1 step ms previous=0
    local -A designed=([left]=500 [middle]=1200 [right]=1900 [balance]=2100 [buttons]=2500)
    python3 "$here/watch_spin.py" "$game" space >"$workdir/spin$stake.txt" ||
        fail "the $stake-kr spin could not be watched"
    while read -r step ms; do
        if [ "$step" = won ]; then
            wins=$((wins + ms))
            continue
        fi
        [ "$ms" -ge 0 ] || fail "$stake kr: the $step step never showed"
        # A tick of Windows' timers may land a few milliseconds early.
        [ "$ms" -ge $((designed[$step] - 20)) ] ||
            fail "$stake kr: the $step step showed at $ms ms, before ${designed[$step]} ms"
        [ "$ms" -ge "$previous" ] || fail "$stake kr: the $step step showed out of order"
        previous=$ms
    done <"$workdir/spin$stake.txt"
    echo "PASS: a $stake-kr spin, seen at $(grep -v won "$workdir/spin$stake.txt" | tr '\n' ' ')(ms)"
}
wins=0
xdotool windowfocus --sync "$game"
check_spin 1
xdotool key Tab
check_spin 2

# The frozen moment's first draw is 0 0 0; what follows depends on the draws before it.
[ "$wins" -ge 1 ] || fail "the first spin did not win"
beeps=$(grep -c 'Call user32.MessageBeep' "$workdir/app.log" || true)
[ "$beeps" -eq "$wins" ] || fail "$wins wins sounded $beeps beeps"
echo "PASS: each of $wins wins sounded the system's default beep once, and nothing else did"

quit_with_ctrl_q "$game"
echo "PASS: Ctrl+Q ends the game with status 0"
