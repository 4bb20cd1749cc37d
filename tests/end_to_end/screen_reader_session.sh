# Shared by the tests that listen to the program through a real screen reader: speech-dispatcher
# with espeak-ng, playing into the test's own sound server in real time, and Orca at its default
# settings, both with homes of their own so that nothing of a user's set-up is read or changed.
# Source it after x_session.sh, sound_session.sh and accessibility_bus.sh; call
# start_speech_server, then start_screen_reader; stop_screen_reader on the way out. Orca's
# debug log is $workdir/orca.log, speech-dispatcher's $workdir/speechd/speech-dispatcher.log.

speech_server_pid=""
screen_reader_pid=""

# Homes, settings and caches of the test's own, for Orca and everything it starts.
use_private_homes() {
    export HOME="$workdir/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
    # Settings that last for the test's processes only, and never reach a user's.
    export GSETTINGS_BACKEND=keyfile
}

# Every message as it is played and as it is cut off, with the time, in the log (level 5).
start_speech_server() {
    use_private_homes
    local conf="$workdir/speechd-conf"
    cp -r /etc/speech-dispatcher "$conf"
    printf '\nAudioOutputMethod "pulse"\nDefaultModule espeak-ng\n' >>"$conf/speechd.conf"
    mkdir -p "$workdir/speechd"
    speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
        --socket-path "$workdir/speechd.sock" --config-dir "$conf" \
        --log-dir "$workdir/speechd" --log-level 5 --pid-file "$workdir/speechd.pid" \
        >"$workdir/speechd.out" 2>&1 &
    speech_server_pid=$!
    export SPEECHD_ADDRESS="unix_socket:$workdir/speechd.sock"
    # It opens its socket once espeak-ng has listed its voices, a few thousand lines each
    # logged at this level: about 3 s on an idle machine, 8 s and more with two tests starting
    # beside a build.
    wait_for 30 test -S "$workdir/speechd.sock" || {
        cat "$workdir/speechd.out" >&2
        fail "speech-dispatcher did not start"
    }
}

orca_ready() {
    grep -q 'ORCA: ATSPI registry initialized' "$workdir/orca.log" 2>/dev/null
}

start_screen_reader() {
    orca --replace --debug-file="$workdir/orca.log" >"$workdir/orca.out" 2>&1 &
    screen_reader_pid=$!
    wait_for 30 orca_ready || {
        cat "$workdir/orca.out" >&2
        fail "Orca did not start"
    }
}

stop_screen_reader() {
    [ -n "$screen_reader_pid" ] && stop "$screen_reader_pid"
    [ -n "$speech_server_pid" ] && stop "$speech_server_pid"
    screen_reader_pid="" speech_server_pid=""
}
