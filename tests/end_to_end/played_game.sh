# shellcheck shell=bash
# The game played through from the keyboard as a player meets it, with the steps of
# played_game.steps, the same wherever the game runs: played_game_test.sh plays the Linux build
# with them, ../windows/played_game_test.sh the installed Windows build under Wine, and the
# browser's test the page. Source it after x_session.sh (or wine_session.sh), define
#   start_game          start the program under the still clock "${still_clock[@]}", setting
#                       app_pid (and still_clock_owners)
# and the platform's own checks where it has them:
#   about_frame_check   the About dialog has just been chosen, and is open
#   after_step WORDS... a step has passed; WORDS are its words
# then call play_steps. Each step checks what the screen shows, and prints a PASS line for it.
#
# The program runs at a still wall clock (libfaketime), which fixes its draws; the monotonic
# clock, and with it every timer of the reveal, runs on as ever.
#   winning_moment  the first draw is 0 0 0: the first spin wins 50 kr and shows its coins
#   losing_moment   32 losses in a row: 29 spins at 1 kr leave 1 kr, 2 kr is refused, and two
#                   more spins at 1 kr end the game
# shellcheck disable=SC2034 # read through ${!moment}
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

# What the platform adds; nothing unless the test says otherwise.
about_frame_check() { :; }
after_step() { :; }

# play_steps [FILE]: every step of FILE (played_game.steps), in order. The whole file is read
# first, so a step misspelt fails the test before the program starts.
play_steps() {
    local file=${1:-$played_game_here/played_game.steps}
    local line number=0 step
    local -a words steps=()
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        read -ra words <<<"${line%%#*}"
        [ "${#words[@]}" -gt 0 ] || continue
        is_step "${words[@]}" || fail "$file, line $number: no such step: ${words[*]}"
        steps+=("${words[*]}")
    done <"$file"
    [ "${#steps[@]}" -gt 0 ] || fail "$file holds no step"
    for step in "${steps[@]}"; do
        read -ra words <<<"$step"
        "step_${words[0]}" "${words[@]:1}"
        after_step "${words[@]}"
    done
}

# The grammar of a step: its name and the words it takes.
is_step() {
    case "$*" in
        "game winning" | "game losing" | welcome_then_f2 | balance_changed | f2_starts_afresh | \
            about_and_game_in_front | game_window_back | welcome_window_back | stakes_back | \
            "quit game" | "quit welcome")
            return 0
            ;;
    esac
    case $1 in
        spin) [[ $# -le 4 && ${2:-} =~ ^[12]$ && ${3:-} =~ ^(won|lost|any)$ &&
            ${4:-1} =~ ^[1-9][0-9]*$ ]] ;;
        key) [[ $# -eq 2 && $2 =~ ^(Tab|space|F2|Return|Escape)$ ]] ;;
        about_closed_by) [[ $# -eq 2 && $2 =~ ^(Return|Escape)$ ]] ;;
        message_closed) [ $# -ge 2 ] ;;
        *) return 1 ;;
    esac
}

# What a step knows of the game being played.
wins=0            # spins won in this game
fresh_balance=""  # the balance as drawn at 30 kr, a digest of its pixels
game=""           # the game window, once found

# game winning|losing
step_game() {
    [ -z "$app_pid" ] || fail "a new game was started while the program still ran"
    local moment=${1}_moment
    still_clock_at "${!moment}"
    wins=0
    fresh_balance=""
    start_game
}

step_welcome_then_f2() {
    wait_for 60 viewable '^Kronesluk$' >/dev/null || fail "the welcome window never appeared"
    viewable 'Tindrevik' >/dev/null && fail "the game window is visible at start-up"
    xdotool windowfocus --sync "$(viewable '^Kronesluk$')" key F2
    wait_for 10 viewable 'Tindrevik' >/dev/null || fail "F2 did not show the game window"
    wait_for 10 not_viewable '^Kronesluk$' || fail "F2 left the welcome window up"
    find_game_window
    wait_for 10 painted "$game" || fail "the game window was never drawn"
    fresh_balance=$(balance_drawn "$game")
    echo "PASS: the welcome window alone at start-up, and F2 shows the game window"
}

# spin STAKE EXPECT [TIMES]
step_spin() {
    local stake=$1 expected=$2 times=${3:-1} won=0 _
    for _ in $(seq 1 "$times"); do
        find_game_window
        in_front "$game"
        spin "$stake" "$game" "$expected"
        wins=$((wins + spin_won))
        won=$((won + spin_won))
    done
    if [ "$times" -gt 1 ]; then
        case $expected in
            won) echo "PASS: $times spins at $stake kr win, each with its coins" ;;
            lost) echo "PASS: $times spins at $stake kr lose, each with \"Ingen Gevinst \" and no coins" ;;
            any) echo "PASS: $times spins at $stake kr, $won of them won" ;;
        esac
        return 0
    fi
    case $expected in
        won) echo "PASS: a $stake-kr spin wins with its coins, seen at ${spin_steps}(ms)" ;;
        lost) echo "PASS: a $stake-kr spin loses with \"Ingen Gevinst \" and no coins, seen at ${spin_steps}(ms)" ;;
        any) echo "PASS: a $stake-kr spin, $([ "$spin_won" = 1 ] && echo won || echo lost), seen at ${spin_steps}(ms)" ;;
    esac
}

# key KEY: to the game window, or to the welcome window where no game window is shown.
step_key() {
    local window
    window=$(viewable 'Tindrevik') || window=$(viewable '^Kronesluk$') ||
        fail "no window to press $1 in"
    in_front "$window"
    xdotool key "$1"
}

step_balance_changed() {
    find_game_window
    [ "$(balance_drawn "$game")" != "$fresh_balance" ] ||
        fail "the balance still shows 30 after the spins"
    echo "PASS: the balance no longer shows 30"
}

step_f2_starts_afresh() {
    find_game_window
    in_front "$game"
    xdotool key F2
    wait_for 10 game_shows_fresh_balance || fail "F2 in the game window did not start afresh at 30 kr"
    echo "PASS: F2 in the game window starts a new game at 30 kr"
}
game_shows_fresh_balance() {
    local game
    game=$(viewable 'Tindrevik') && [ "$(balance_drawn "$game")" = "$fresh_balance" ]
}

# about_closed_by Return|Escape
step_about_closed_by() {
    choose_about
    xdotool windowfocus --sync "$(viewable '^About Kronesluk$')" key "$1"
    wait_for 10 not_viewable '^About Kronesluk$' || fail "$1 did not close the About dialog"
    echo "PASS: the About dialog opens from the keyboard and closes with $(key_name "$1")"
}
key_name() {
    case $1 in
        Return) echo Enter ;;
        Escape) echo Esc ;;
        *) echo "$1" ;;
    esac
}

# The About dialog is independent of the game window: either comes in front of the other as
# the player turns to it. The order is the window manager's own (_NET_CLIENT_LIST_STACKING).
step_about_and_game_in_front() {
    local about
    choose_about
    about=$(viewable '^About Kronesluk$')
    wait_for 10 stacked_above "$about" "$game" || fail "About opened behind the game window"
    # As a click in the task bar or Alt+Tab does.
    xdotool windowactivate --sync "$game"
    wait_for 10 stacked_above "$game" "$about" ||
        fail "the game window, activated, stayed behind About: $(stacking | tr "\n" " ")"
    [ "$(viewable '^About Kronesluk$')" = "$about" ] ||
        fail "About did not stay open behind the game window"
    choose_about
    wait_for 10 stacked_above "$about" "$game" ||
        fail "choosing About again left it behind the game window: $(stacking | tr "\n" " ")"
    [ "$(about_dialogs_shown)" -eq 1 ] || fail "choosing About again opened a second dialog"
    xdotool windowfocus --sync "$about" key Escape
    wait_for 10 not_viewable '^About Kronesluk$' || fail "Esc did not close the About dialog"
    echo "PASS: activating the game window brings it in front of About, and choosing About" \
        "again brings About back to the front"
}

# About > Game from the keyboard in the game window: the dialog is shown.
choose_about() {
    find_game_window
    in_front "$game"
    xdotool key alt+a g
    wait_for 10 viewable '^About Kronesluk$' >/dev/null || fail "Alt+A G did not open About"
    about_frame_check
}

# message_closed WHAT...
step_message_closed() {
    wait_for 10 viewable '^KSL$' >/dev/null || fail "$* showed no message"
    xdotool windowfocus --sync "$(viewable '^KSL$')" key Return
    wait_for 10 not_viewable '^KSL$' || fail "Enter did not close the message of $*"
    echo "PASS: $* shows a message, and Enter closes it"
}

step_game_window_back() {
    # Under Wine the game window is shown again a moment after a message has gone.
    wait_for 10 viewable 'Tindrevik' >/dev/null || fail "the game window is not shown"
    echo "PASS: the game window is back, and the game goes on"
}

step_welcome_window_back() {
    wait_for 10 viewable '^Kronesluk$' >/dev/null || fail "the welcome window did not come back"
    wait_for 10 not_viewable 'Tindrevik' || fail "the game window stayed with the welcome window"
    echo "PASS: the welcome window is back, and the game window is gone"
}

step_stakes_back() {
    find_game_window
    wait_for 10 stake_buttons_enabled "$game" || fail "the stake buttons did not come back"
    echo "PASS: the stake buttons come back"
}

# quit game|welcome
step_quit() {
    local window name
    case $1 in
        game) find_game_window && window=$game name="game window" ;;
        welcome) window=$(viewable '^Kronesluk$') || fail "the welcome window is not shown"
            name="welcome window" ;;
    esac
    quit_with_ctrl_q "$window"
    echo "PASS: Ctrl+Q in the $name ends the program with status 0"
}

# Sets game to the game window shown now.
find_game_window() {
    game=$(viewable 'Tindrevik') || fail "the game window is not shown"
}
about_dialogs_shown() {
    local id
    for id in $(xdotool search --name '^About Kronesluk$' 2>/dev/null); do
        is_placed_window "$id" && echo "$id"
    done | wc -l
}
not_viewable() {
    ! viewable "$1" >/dev/null
}
# in_front WINDOW: the window has the keyboard, as the window the player works in.
in_front() {
    has_focus "$1" || xdotool windowfocus --sync "$1"
}

# The window manager's stacking of its windows, bottom to top, as decimal ids.
stacking() {
    local id
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g'); do
        echo $((id))
    done
}
# stacked_above WINDOW OTHER: the window manager has WINDOW in front of OTHER.
stacked_above() {
    local id seen_other=0
    for id in $(stacking); do
        [ "$id" = "$2" ] && seen_other=1
        [ "$id" = "$1" ] && [ "$seen_other" = 1 ] && return 0
    done
    return 1
}

# shellcheck disable=SC2154 # workdir: x_session.sh
# spin STAKE GAME won|lost|any: one spin from the keyboard on the focused stake button, watched on
# screen: each step of the reveal no sooner than designed, and in the designed order (a busy
# machine only makes them later, so no upper bound is held); a win shows its coins and takes
# "Ingen Gevinst " away, a loss shows "Ingen Gevinst " and no coins. Sets spin_won to 1 or 0,
# and spin_steps to when each step showed.
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

# The game window as first shown has been drawn.
painted() { # painted WINDOW
    python3 "$played_game_here/watch_spin.py" "$1" --painted
}
