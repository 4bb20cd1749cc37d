# shellcheck shell=bash
# The game played through from the keyboard as a player meets it, the same steps wherever the
# program runs: played_game_test.sh plays the Linux build with them, and
# ../windows/played_game_test.sh the installed Windows build under Wine. Source it after
# x_session.sh (or wine_session.sh). Each step checks what the screen shows.
#
# The program runs at a still wall clock (libfaketime), which fixes its draws; the monotonic
# clock, and with it every timer of the reveal, runs on as ever.
#   winning_moment  the first draw is 0 0 0: the first spin wins 50 kr and shows its coins
#   losing_moment   32 losses in a row: 29 spins at 1 kr leave 1 kr, 2 kr is refused, and two
#                   more spins at 1 kr end the game
# shellcheck disable=SC2034 # used by the tests that source this
winning_moment="2026-12-08 12:01:47"
# shellcheck disable=SC2034
losing_moment="2026-12-08 12:00:11"
# still_clock_at MOMENT: the words that run a command under a wall clock standing at MOMENT, in
# the array still_clock: "${still_clock[@]}" PROGRAM.
still_clock_at() {
    still_clock=(env "LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
                 "FAKETIME=$1" FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC)
}

played_game_here=$(dirname "${BASH_SOURCE[0]}")

# The welcome window alone at start-up, then F2: prints the game window's id.
welcome_then_f2() {
    wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
    viewable 'Tindrevik' >/dev/null && fail "the game window is visible at start-up"
    xdotool windowfocus --sync "$(viewable '^Kronesluk$')" key F2
    wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
    wait_for 10 not_viewable '^Kronesluk$' || fail "F2 left the welcome window up"
    viewable 'Tindrevik'
}
not_viewable() {
    ! viewable "$1" >/dev/null
}

# spin STAKE GAME won|lost|any: one spin from the keyboard on the focused stake button, watched on
# screen: each step of the reveal no sooner than designed, and in the designed order (a busy
# machine only makes them later, so no upper bound is held); a win shows its coins and takes
# "Ingen Gevinst " away, a loss shows "Ingen Gevinst " and no coins. Sets spin_won to 1 or 0.
spin() {
    local stake=$1 game=$2 expected=$3 step ms previous=0 coins=""
    local -A designed=([left]=500 [middle]=1200 [right]=1900 [balance]=2100 [buttons]=2500)
    local record="$workdir/spin.txt"
    wait_for 10 stake_buttons_enabled "$game" || fail "$stake kr: the stake buttons are not enabled"
    python3 "$played_game_here/watch_spin.py" "$game" space >"$record" ||
        fail "the $stake-kr spin could not be watched"
    spin_won=""
    while read -r step ms; do
        case $step in
            won) spin_won=$ms ;;
            coins) coins=$ms ;;
            *)
                [ "$ms" -ge 0 ] || fail "$stake kr: the $step step never showed"
                # A tick of Windows' timers may land a few milliseconds early.
                [ "$ms" -ge $((designed[$step] - 20)) ] ||
                    fail "$stake kr: the $step step showed at $ms ms, before ${designed[$step]} ms"
                [ "$ms" -ge "$previous" ] || fail "$stake kr: the $step step showed out of order"
                previous=$ms
                ;;
        esac
    done <"$record"
    [ "$coins" = "$spin_won" ] ||
        fail "$stake kr: won $spin_won, but coins $coins (1: shown) in the result area"
    case $expected in
        won) [ "$spin_won" = 1 ] || fail "$stake kr: the spin did not win" ;;
        lost) [ "$spin_won" = 0 ] || fail "$stake kr: the spin did not lose" ;;
    esac
    spin_steps=$(grep -v -e won -e coins "$record" | tr '\n' ' ')
}

stake_buttons_enabled() { # stake_buttons_enabled GAME
    python3 "$played_game_here/watch_spin.py" "$1" --enabled
}

# The balance as drawn: a digest of its pixels.
balance_drawn() { # balance_drawn GAME
    python3 "$played_game_here/watch_spin.py" "$1" --balance
}

# The winning game: a win at 1 kr, a spin at 2 kr, F2 starting afresh at 30 kr, and the About
# dialog closed by Enter and by Esc. Ends in the game window.
play_winning_game() { # play_winning_game GAME
    local game=$1
    fresh_balance=$(balance_drawn "$game")
    xdotool windowfocus --sync "$game"
    spin 1 "$game" won
    wins=$spin_won
    echo "PASS: a 1-kr spin wins with its coins, seen at ${spin_steps}(ms)"
    xdotool key Tab
    spin 2 "$game" any
    wins=$((wins + spin_won))
    echo "PASS: a 2-kr spin, $([ "$spin_won" = 1 ] && echo won || echo lost), seen at ${spin_steps}(ms)"
    after_the_spins
    [ "$(balance_drawn "$game")" != "$fresh_balance" ] ||
        fail "the balance still shows 30 after two spins"
    xdotool key F2
    wait_for 10 game_shows_fresh_balance || fail "F2 in the game window did not start afresh at 30 kr"
    echo "PASS: F2 in the game window starts a new game at 30 kr"
    about_closed_by Return
    about_closed_by Escape
    echo "PASS: the About dialog opens from the keyboard and closes with Enter and with Esc"
}
game_shows_fresh_balance() {
    local game
    game=$(viewable 'Tindrevik') && [ "$(balance_drawn "$game")" = "$fresh_balance" ]
}
# A platform's own checks once the two spins have been played ($wins of them won); none by
# default.
after_the_spins() { :; }

about_closed_by() { # about_closed_by KEY
    xdotool windowfocus --sync "$(viewable 'Tindrevik')" key alt+a g
    wait_for 10 viewable '^About Kronesluk$' >/dev/null || fail "Alt+A G did not open About"
    about_frame_check
    xdotool windowfocus --sync "$(viewable '^About Kronesluk$')" key "$1"
    wait_for 10 not_viewable '^About Kronesluk$' || fail "$1 did not close the About dialog"
}
# A platform's own checks of the open About dialog; none by default.
about_frame_check() { :; }

# The losing game: 29 losses at 1 kr, the refused 2-kr spin and its message, the last krone
# lost, the end of the game's message, and the welcome window again. Ends in the welcome window.
play_losing_game() { # play_losing_game GAME
    local game=$1
    xdotool windowfocus --sync "$game"
    for _ in $(seq 1 29); do
        spin 1 "$game" lost
    done
    echo "PASS: 29 spins at 1 kr lose, each with \"Ingen Gevinst \" and no coins"
    xdotool key Tab space
    message_closed "the refused 2-kr spin"
    # Under Wine the game window is shown again a moment after the box has gone.
    wait_for 10 viewable 'Tindrevik' >/dev/null ||
        fail "the game window went with the refused spin's message"
    echo "PASS: at 1 kr the 2-kr spin is refused with a message, and the game goes on"
    # The refused spin cleared the reels too: the buttons, and the keyboard with them, come back
    # with the reveal's last timer.
    wait_for 10 stake_buttons_enabled "$game" || fail "the buttons did not come back after the refusal"
    xdotool windowfocus --sync "$game" key Tab
    spin 1 "$game" lost
    xdotool key space
    message_closed "the last krone lost"
    wait_for 10 viewable '^Kronesluk$' >/dev/null || fail "the lost game did not lead to the welcome window"
    wait_for 10 not_viewable 'Tindrevik' || fail "the game window stayed after the lost game"
    echo "PASS: the game lost to the end shows its message, then the welcome window"
}

message_closed() { # message_closed WHAT
    wait_for 10 viewable '^KSL$' >/dev/null || fail "$1 showed no message"
    xdotool windowfocus --sync "$(viewable '^KSL$')" key Return
    wait_for 10 not_viewable '^KSL$' || fail "Enter did not close the message of $1"
}
