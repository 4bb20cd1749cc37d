#!/usr/bin/env bash
# The Linux build played through under openbox from the keyboard, with the steps that the
# Windows build and the browser are played with too (played_game.steps): a winning game ended
# by Ctrl+Q in the game window, and a game lost to the end, then Ctrl+Q in the welcome window.
#
#   played_game_test.sh PATH_TO_KRONESLUK
set -euo pipefail

program=$1
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=x_session.sh
source "$here/x_session.sh"
# shellcheck source=played_game.sh
source "$here/played_game.sh"
# The still clock is loaded ahead of a sanitizer's runtime, which then must not object.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

start_x_server
start_window_manager

start_game() {
    start_program "${still_clock[@]}" "$program"
    still_clock_owners+=" $app_pid"
}
play_steps "$here/played_game.steps"
