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

# pointer_at X Y: the last place the program heard of the pointer, in one of its windows.
pointer_at() {
    grep -oE '^\[[0-9. ]+\] +wl_pointer@[0-9]+\.(enter|motion)\(.*\)$' "$wayland_log" |
        tail -n 1 | grep -qE "\\b$1\\.0+, $2\\.0+\\)$"
}

# click_in OUTPUT TITLE X Y [SCALE]: a click at X,Y (points) of the window, on the X window
# OUTPUT that shows Weston's output at SCALE. Weston follows the X pointer only from the moment
# it enters or moves in its window, and a pointer that has never moved there still stands at
# 0,0 for Weston. So the pointer goes to the screen's far corner (off the output, where there is
# room) and comes to the spot, and clicks once the program knows it is there; the window
# clicked then has the keyboard.
click_in() {
    local output=$1 title=$2 x=$3 y=$4 scale=${5:-1} box screen
    read -r -a box <<<"$(window_box "$title")"
    [ "${#box[@]}" -eq 4 ] || fail "the window '$title' is not on the desktop"
    read -r -a screen <<<"$(xdotool getdisplaygeometry)"
    xdotool mousemove $((screen[0] - 1)) $((screen[1] - 1))
    xdotool mousemove --window "$output" $(((box[0] + x) * scale)) $(((box[1] + y) * scale))
    wait_for 10 pointer_at "$x" "$y" || fail "the pointer did not reach $x,$y of '$title'"
    xdotool windowfocus --sync "$output" click 1
    wait_for 10 has wl_keyboard || fail "a click on '$title' did not give the program the keyboard"
}
