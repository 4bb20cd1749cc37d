#!/usr/bin/env bash
# What a Windows screen reader is given, under Wine: the words the game window's events carry
# for one spin and for a message box (the events that Qt's bridge raises as UI Automation
# notifications on Windows), and the game's windows read from outside through UI Automation's
# client functions, with their names and roles.
#
#   ui_automation_test.sh PROGRAM TREE_READER SPIN_NOTIFICATIONS
#
# Wine 8 cannot carry the notifications themselves: it has no UiaRaiseNotificationEvent and its
# UiaClientsAreListening answers no, so Qt raises nothing there. The events are read inside the
# Windows build, where Qt hands them to its bridge.
set -euo pipefail

program=$1
tree_reader=$2
spin_notifications=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine_session.sh
source "$here/wine_session.sh"

start_x_server
start_window_manager
start_wine_prefix

# One spin at 1 krone with the reels 2 2 2, and the message that the machine is empty: the same
# words the Linux build shows a screen reader.
timeout 120 "$wine" "$spin_notifications" 2 2 2 >"$workdir/told.txt" 2>"$workdir/told.log" ||
    fail "spin_notifications failed: $(tail -5 "$workdir/told.log")"
expected_told="told: Gevinst 10, 40 kr, hjul 2 2 2.
told: Du har tømt automaten !!!!!!"
told=$(tr -d '\r' <"$workdir/told.txt")
[ "$told" = "$expected_told" ] || fail "the events told
$told
expected
$expected_told"
echo "PASS: a spin's words and a message box's words reach Qt's bridge to UI Automation"

# read_window TITLE: the window's own node, read from outside with UiaNodeFromHandle and
# UiaGetPropertyValue. Wine 8 reads no deeper: UiaNavigate from a Qt window never returns. Qt's
# providers ask for COM threading, so Wine calls them on the game's user-interface thread; that
# thread hands each child it returns to Wine's provider thread with SendMessage and waits, while
# the provider thread asks the child for its runtime id, a COM call that needs the waiting thread.
# Later Wine takes the runtime id before handing the child over. The controls' names, roles and
# reading order are what the Linux tree shows: the same accessible interfaces answer both.
read_window() {
    timeout 60 "$wine" "$tree_reader" "$1" 0 2>>"$workdir/reader.log" | tr -d '\r'
}

"$wine" "$program" >"$workdir/app.log" 2>&1 &
app_pid=$!
wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
welcome=$(read_window Kronesluk) || fail "the welcome window could not be read: $(cat "$workdir/reader.log")"
[ "$welcome" = '[Window] "Kronesluk" focus' ] ||
    fail "the welcome window reads $welcome, expected [Window] \"Kronesluk\" with the focus"

xdotool windowfocus --sync "$(viewable '^Kronesluk$')" key F2
wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
game=$(read_window 'Kronesluk  av   [ Tindrevik ]') ||
    fail "the game window could not be read: $(cat "$workdir/reader.log")"
[ "$game" = '[Window] "Kronesluk av Tindrevik" focus' ] ||
    fail "the game window reads $game, expected [Window] \"Kronesluk av Tindrevik\" with the focus"
echo "PASS: through UI Automation, from outside: $welcome, then after F2 $game"

quit_with_ctrl_q "$(viewable 'Tindrevik')"
echo "PASS: Ctrl+Q ends the game with status 0"
