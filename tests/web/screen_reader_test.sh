#!/usr/bin/env bash
# The browser edition heard through a real screen reader, on the desktop the desktop program's
# speech test builds: Xvfb with openbox, a sound server of the test's own, a private session bus
# and accessibility bus, speech-dispatcher with espeak-ng and Orca at its default settings.
# hear_the_page.py opens the page in a visible Chromium, plays it from the keyboard and checks
# what was heard. Everything started here is stopped here, by its pid.
#
#   screen_reader_test.sh BUILD_WEB_FOLDER [--measure-only]
set -euo pipefail

folder=$(realpath "$1")
shift
# Heard against a player's pace in real time: ahead of other work on the machine, as the
# desktop's speech test runs (where raising it is not allowed, it runs as it is).
renice -n -10 -p $$ >/dev/null 2>&1 || true
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
desktop="$here/../end_to_end"
# shellcheck source=../end_to_end/x_session.sh
source "$desktop/x_session.sh"
# shellcheck source=../end_to_end/sound_session.sh
source "$desktop/sound_session.sh"
# shellcheck source=../end_to_end/accessibility_bus.sh
source "$desktop/accessibility_bus.sh"
# shellcheck source=../end_to_end/screen_reader_session.sh
source "$desktop/screen_reader_session.sh"

# The screen reader first, then what it talks to, the X server last.
stop_everything() {
    stop_screen_reader
    stop_accessibility_bus
    [ -n "$sound_server_pid" ] && stop "$sound_server_pid"
    [ -n "$wm_pid" ] && stop "$wm_pid"
    [ -n "$xvfb_pid" ] && stop "$xvfb_pid"
    sound_server_pid="" wm_pid="" xvfb_pid=""
}
trap 'stop_everything; cleanup' EXIT

start_x_server
start_window_manager
start_sound_server
start_accessibility_bus
start_speech_server
start_screen_reader
started="$screen_reader_pid $speech_server_pid $registry_pid $accessibility_bus_pid"
started+=" $launcher_pid $session_bus_pid $sound_server_pid $wm_pid $xvfb_pid"

# The player starts and stops Chromium itself, and stops it when it is stopped.
status=0
timeout 240 /usr/bin/python3 "$here/hear_the_page.py" "$folder" "$workdir/orca.log" \
    "$workdir/speechd/speech-dispatcher.log" "$@" || status=$?
[ -n "${KSL_KEEP_LOGS:-}" ] && cp "$workdir/orca.log" "$workdir/speechd/speech-dispatcher.log" \
    "$KSL_KEEP_LOGS/"
[ "$status" -eq 0 ] || fail "what the player heard of the page falls short"

stop_everything
for pid in $started; do
    gone "$pid" || fail "process $pid is still there: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
done
echo "PASS: a blind player hears the page's start instruction and every spin in time"
