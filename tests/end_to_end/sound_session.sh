# Shared by the tests that listen to the program: a PulseAudio server of the test's own whose
# only output is a silent sink, and recordings of what is played into it. Source it after
# x_session.sh and stop_sound_session on the way out; call start_sound_server, then
# start_recording NAME / stop_recording around what should (or should not) sound. sounds_in NAME
# counts the sounds in a recording.

sound_server_pid=""
recorder_pid=""

stop_sound_session() {
    [ -n "$recorder_pid" ] && kill "$recorder_pid" 2>/dev/null || true
    [ -n "$sound_server_pid" ] && kill "$sound_server_pid" 2>/dev/null || true
}

# No system or user configuration, nothing beside its own folder, no bus, no real-time
# scheduling: a sink named "recorded" and a socket that needs no cookie.
start_sound_server() {
    local home="$workdir/sound-home" runtime="$workdir/sound"
    mkdir -p "$home" "$runtime"
    chmod 700 "$runtime"
    env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" \
        pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
        --realtime=no --high-priority=no --log-target=stderr --log-level=error \
        --load="module-null-sink sink_name=recorded" \
        --load="module-native-protocol-unix socket=$runtime/native auth-anonymous=1" \
        >"$workdir/pulseaudio.log" 2>&1 &
    sound_server_pid=$!
    export PULSE_SERVER="unix:$runtime/native"
    wait_for 10 pactl info >/dev/null 2>&1 || {
        cat "$workdir/pulseaudio.log" >&2
        fail "the sound server did not start"
    }
}

recorder_listening() {
    [ -n "$(pactl list short source-outputs 2>/dev/null)" ]
}

# Records what is played into the sink, as 48 kHz mono 16-bit samples, into NAME.raw.
start_recording() {
    parec --device=recorded.monitor --format=s16le --rate=48000 --channels=1 --latency-msec=10 \
        --raw >"$workdir/$1.raw" 2>"$workdir/parec.log" &
    recorder_pid=$!
    wait_for 10 recorder_listening || fail "parec did not start recording"
}

stop_recording() {
    kill "$recorder_pid" 2>/dev/null || true
    wait "$recorder_pid" 2>/dev/null || true
    recorder_pid=""
}

# The sounds in the recording NAME: runs of loud 10 ms stretches, apart by 100 ms of quiet.
sounds_in() {
    python3 - "$workdir/$1.raw" <<'PY'
import array, sys
data = open(sys.argv[1], 'rb').read()
samples = array.array('h', data[:len(data) // 2 * 2])
window, loud_level, quiet_to_end = 480, 1000, 10
sounds, quiet, sounding = 0, 0, False
for start in range(0, len(samples), window):
    if max(map(abs, samples[start:start + window])) > loud_level:
        sounds += 0 if sounding else 1
        sounding, quiet = True, 0
    else:
        quiet += 1
        sounding = sounding and quiet < quiet_to_end
print(sounds)
PY
}

# At least COUNT sounds in the recording NAME so far.
heard() {
    [ "$(sounds_in "$2")" -ge "$1" ]
}
