# shellcheck shell=bash
# What the program has heard from its compositor, read off its own protocol log: run it with
# WAYLAND_DEBUG=client and its standard error in $wayland_log. Tests and tools wait on what
# Weston has told the program (the pointer there, the keyboard come, a window configured)
# instead of sleeping. Source it after weston_scene.sh.

# The events the program has had, in order, each as INTERFACE@ID.EVENT(
heard() {
    grep -oE '^\[[0-9. ]+\] +[a-z_0-9]+@[0-9]+\.[a-z_]+\(' "$wayland_log" | sed 's/^.*\] *//'
}
# has INTERFACE: the last of the interface's enter and leave events was an enter.
has() { heard | grep -E "^$1@[0-9]+\.(enter|leave)\(" | tail -n 1 | grep -q '\.enter($'; }
# count_of INTERFACE.EVENT: how many times the program has heard it.
count_of() { heard | grep -c "^${1%.*}@[0-9]*\.${1#*.}($" || true; }
# more_than N INTERFACE.EVENT: it has come more than N times.
more_than() { [ "$(count_of "$2")" -gt "$1" ]; }

# What the program last heard and said of the keyboard and its windows, for a failure's report:
# the keys and their modifiers, and each window's configurations and the program's answers.
last_heard() {
    grep -E 'wl_keyboard@[0-9]+\.(enter|leave|key|modifiers)\(|xdg_(surface|toplevel|popup)@[0-9]+\.' \
        "$wayland_log" | tail -n "${1:-16}" | sed 's/^/  heard: /'
}

# settled: the program has answered every configuration sent to its windows, and no round trip
# of its own is on the way. Qt takes a window's activation from its configuration and applies it
# when such a round trip returns; a key that comes before then finds no active window, and a
# shortcut such as F2 is lost.
settled() {
    awk '
        function object(pattern) { match($0, pattern); return substr($0, RSTART, RLENGTH) }
        / -> wl_display@1\.sync\(/ { in_flight[object("wl_callback@[0-9]+")] = 1; next }
        /^\[[0-9. ]+\] +wl_callback@[0-9]+\.done\(/ { delete in_flight[object("wl_callback@[0-9]+")]; next }
        /^\[[0-9. ]+\] +xdg_surface@[0-9]+\.configure\(/ { unanswered[object("xdg_surface@[0-9]+")] = 1; next }
        / -> xdg_surface@[0-9]+\.(ack_configure|destroy)\(/ { delete unanswered[object("xdg_surface@[0-9]+")] }
        END { for (id in in_flight) exit 1; for (id in unanswered) exit 1 }
    ' "$wayland_log"
}

# keyboard_came_after N: the keyboard has entered a window more than N times, and is there,
# with the window settled.
keyboard_came_after() { more_than "$1" wl_keyboard.enter && has wl_keyboard && settled; }

# open_menu KEYS: the menu that the keys open is open. Weston now and then closes a menu at once
# (popup_done) when the keys' serials cross on a busy machine, as a player would see it flash;
# the keys are then pressed again, as the player would.
open_menu() {
    local tries opened closed
    for tries in 1 2 3; do
        opened=$(count_of xdg_popup.configure)
        closed=$(count_of xdg_popup.popup_done)
        xdotool key "$1"
        wait_for 10 menu_answered "$opened" "$closed" || break
        more_than "$closed" xdg_popup.popup_done || return 0
    done
    fail "$1 opened no menu (tried $tries times)"
}
menu_answered() { more_than "$1" xdg_popup.configure || more_than "$2" xdg_popup.popup_done; }

# The pointer's entering and moving in the program's windows, as the program heard them.
pointer_events() {
    grep -oE '^\[[0-9. ]+\] +wl_pointer@[0-9]+\.(enter|motion)\(.*\)$' "$wayland_log" || true
}
# pointer_at_since N X Y: after the first N of those, the pointer came to X,Y of a window.
pointer_at_since() {
    pointer_events | tail -n +$(($1 + 1)) | tail -n 1 | grep -qE "\b$2\.0+, $3\.0+\)$"
}

# click_in OUTPUT TITLE X Y [SCALE]: a click at X,Y (points) of the window, on the X window
# OUTPUT that shows Weston's output at SCALE. Weston follows the X pointer only from the moment
# it enters or moves in its window, and a pointer that has never moved there still stands at
# 0,0 for Weston; now and then, on a busy machine, it lets a move pass unseen. So the pointer
# goes to the screen's far corner and comes to the spot, again if need be, and clicks once the
# program knows it is there; the window clicked then has the keyboard.
click_in() {
    local output=$1 title=$2 x=$3 y=$4 scale=${5:-1} box screen tries=0
    read -r -a box <<<"$(window_box "$title")"
    [ "${#box[@]}" -eq 4 ] || fail "the window '$title' is not on the desktop"
    read -r -a screen <<<"$(xdotool getdisplaygeometry)"
    local before
    before=$(pointer_events | wc -l)
    until pointer_at_since "$before" "$x" "$y"; do
        tries=$((tries + 1))
        [ "$tries" -le 5 ] || fail "the pointer did not reach $x,$y of '$title' at" \
            "$(window_box "$title"): the program last heard $(grep -E \
            'wl_pointer@[0-9]+\.(enter|leave|motion)\(' "$wayland_log" | tail -n 2 | tr '\n' ' ')"
        xdotool mousemove $((screen[0] - 1)) $((screen[1] - 1))
        xdotool mousemove --window "$output" $(((box[0] + x) * scale)) $(((box[1] + y) * scale))
        wait_for 2 pointer_at_since "$before" "$x" "$y" || true
    done
    xdotool windowfocus --sync "$output" click 1
    wait_for 10 has wl_keyboard || fail "a click on '$title' did not give the program the keyboard"
    wait_for 10 settled || fail "the program did not settle after a click on '$title'" "$(last_heard)"
}
