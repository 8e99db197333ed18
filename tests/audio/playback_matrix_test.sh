#!/usr/bin/env bash
# Sends the smallest and the largest program with `zuvomatic-cli play` on every kind of output
# a PC has: private PulseAudio servers with a system-clocked pipe sink and a null sink in each
# of five formats, each also suspended after 2 s of silence (module-suspend-on-idle, 1 s), and
# PipeWire with its PulseAudio service and a null sink at its own format. For each: play exits 0
# within the signal's length plus 1 s, says that the output's monitor heard the frame, and what
# the sink played, brought back to 8-bit mono at 24000 Hz, decodes to exactly the bytes that
# compile prints. The servers run side by side, one per output; prints one table row per send.
#
# usage: playback_matrix_test.sh ZUVOMATIC_CLI
# Exit 0 passed, 1 failed, 77 skipped (pulseaudio or sox not installed).
set -u

CLI=${1:?usage: playback_matrix_test.sh ZUVOMATIC_CLI}
for tool in pulseaudio pactl parec sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped"; exit 77; }
done
SUPPORT="$(dirname "$0")/../support"
. "$SUPPORT/private_session.sh"
. "$SUPPORT/test_programs.sh"
private_session_begin
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do stop_pid "$pid"; done
    private_session_end
}
trap cleanup EXIT

# format | rate | channels | sox encoding and bits of that format
FORMATS=(
    "u8|24000|1|unsigned 8"
    "s16le|44100|2|signed 16"
    "s16le|48000|2|signed 16"
    "s32le|48000|2|signed 32"
    "float32le|48000|2|floating-point 32"
)

smallest_program "$WORK/smallest.qvk"
largest_program "$WORK/largest.qvk"
for program in smallest largest; do
    "$CLI" compile "$WORK/$program.qvk" >"$WORK/$program.image" || exit 1
done

# Waits (bounded) until COMMAND succeeds.
await() { # TRIES COMMAND...
    local tries=$1
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
sink_state() { pactl list sinks short | awk -v sink="$1" '$2 == sink { print $NF }'; }
is_suspended() { [ "$(sink_state "$1")" = SUSPENDED ]; }
recording() { pactl list source-outputs short | grep -q .; }

# One send of PROGRAM on SINK (the default output now), captured RAW as the sink played it:
# from the pipe sink's FIFO, or by recording a null sink's monitor. Appends its row to ROWS.
send() { # LABEL SINK KIND PROGRAM FORMAT RATE CHANNELS ENCODING BITS FIFO ROWS
    local label=$1 sink=$2 kind=$3 program=$4 format=$5 rate=$6 channels=$7 encoding=$8 bits=$9
    local fifo=${10} rows=${11} dir=$XDG_RUNTIME_DIR
    local raw="$dir/$program.raw" reader problem="" waited=""
    if [ "$suspend" = yes ]; then
        sleep 2 # the silence after which the output is suspended
        waited=", suspended"
        is_suspended "$sink" || problem="not suspended after 2 s of silence ($(sink_state "$sink"))"
    fi
    if [ "$kind" = pipe ]; then
        cat "$fifo" >"$raw" &
        reader=$!
    else
        parec -d "$sink.monitor" --format="$format" --rate="$rate" --channels="$channels" --raw \
            >"$raw" &
        reader=$!
        await 100 recording || problem="the monitor cannot be recorded"
    fi
    local start end
    start=$(date +%s%N)
    timeout 20 "$CLI" play "$WORK/$program.qvk" >"$dir/play.out" 2>"$dir/play.err"
    local code=$?
    end=$(date +%s%N)
    # The sink may pass its last buffer on after the server's drain: wait for the frame.
    heard() {
        sox -V1 -t raw -e $encoding -b "$bits" -c "$channels" -r "$rate" "$raw" \
            -t wav -e unsigned -b 8 -c 1 -r 24000 "$dir/heard.wav" &&
            "$CLI" decode "$dir/heard.wav" >"$dir/decoded.txt" 2>&1 &&
            head -n 1 "$dir/decoded.txt" | cmp -s - "$WORK/$program.image"
    }
    await 40 heard
    stop_pid "$reader"
    local samples
    samples=$(awk '{ print 120 * NF + 1200 }' "$WORK/$program.image")
    local took=$(((end - start) / 1000000)) limit=$((samples * 1000 / 24000 + 1000))
    if [ -n "$problem" ]; then
        :
    elif [ "$code" -ne 0 ]; then
        problem="play exited $code: $(tr '\n' ' ' <"$dir/play.err")"
    elif [ "$took" -gt "$limit" ]; then
        problem="play took $took ms, more than $limit ms"
    elif ! grep -q "聞き取って確かめました" "$dir/play.out"; then
        problem="the monitor check did not run"
    elif ! heard; then
        problem="the sink played $(tail -n 1 "$dir/decoded.txt")"
    fi
    printf '| %-22s | %-4s%-11s | %-8s | %5d ms of %5d ms | %s |\n' "$label" "$kind" "$waited" \
        "$program" "$took" "$limit" "${problem:-byte-exact, monitor heard it}" >>"$rows"
}

# A private PulseAudio whose only output is a sink of KIND (pipe or null) in FORMAT; sends both
# programs on it. The null sink runs without rewinds, in 50 ms blocks as an output does: with
# them it plays in blocks of 2 s and starts a new stream only when the block it is in has ended.
pulse_server() { # NAME KIND SUSPEND FORMAT RATE CHANNELS ENCODING BITS
    local name=$1 kind=$2 format=$4 rate=$5 channels=$6 encoding=$7 bits=$8
    suspend=$3
    export XDG_RUNTIME_DIR="$WORK/$name"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    local map=mono label="$rate $format mono"
    if [ "$channels" = 2 ]; then
        map=front-left,front-right
        label="$rate $format stereo"
    fi
    local sink_format="format=$format rate=$rate channels=$channels channel_map=$map"
    local fifo="$XDG_RUNTIME_DIR/pipe.fifo" rows="$WORK/$name.rows"
    local modules=(-L module-native-protocol-unix)
    if [ "$kind" = pipe ]; then
        modules+=(-L "module-pipe-sink sink_name=pipe file=$fifo $sink_format use_system_clock_for_timing=yes")
    else
        modules+=(-L "module-null-sink sink_name=null $sink_format norewinds=1")
    fi
    [ "$suspend" = yes ] && modules+=(-L "module-suspend-on-idle timeout=1")
    if ! timeout 20 pulseaudio -n -D --exit-idle-time=-1 --disallow-exit --log-level=error \
        "${modules[@]}" 2>"$XDG_RUNTIME_DIR/log"; then
        echo "| $label | the server did not start: $(tr '\n' ' ' <"$XDG_RUNTIME_DIR/log") |" >"$rows"
        return
    fi
    await 100 test -S "$XDG_RUNTIME_DIR/pulse/native"
    for program in smallest largest; do
        send "$label" "$kind" "$kind" "$program" "$format" "$rate" "$channels" "$encoding" "$bits" \
            "$fifo" "$rows"
    done
    stop_pid "$(cat "$XDG_RUNTIME_DIR/pulse/pid")"
}

# PipeWire, its session manager and its PulseAudio service on a private D-Bus session bus (the
# session manager needs one), with a null sink at PipeWire's own format.
pipewire_server() {
    local name=pipewire rows="$WORK/pipewire.rows"
    suspend=no
    if ! command -v pipewire-pulse >/dev/null 2>&1 || ! command -v wireplumber >/dev/null 2>&1 \
        || ! command -v dbus-daemon >/dev/null 2>&1; then
        echo "| PipeWire | not installed |" >"$rows"
        return
    fi
    export XDG_RUNTIME_DIR="$WORK/$name"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    local bus
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || return
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    local pids=("${bus##*$'\n'}")
    pipewire >"$XDG_RUNTIME_DIR/pipewire.log" 2>&1 &
    pids+=($!)
    await 100 test -S "$XDG_RUNTIME_DIR/pipewire-0"
    wireplumber >"$XDG_RUNTIME_DIR/wireplumber.log" 2>&1 &
    pids+=($!)
    pipewire-pulse >"$XDG_RUNTIME_DIR/pipewire-pulse.log" 2>&1 &
    pids+=($!)
    await 100 test -S "$XDG_RUNTIME_DIR/pulse/native"
    pactl load-module module-null-sink sink_name=null >/dev/null
    local format rate channels
    # The session manager makes the new sink the default once it has seen it.
    await 100 sh -c 'pactl info | grep -q "Default Sink: null$"'
    read -r format channels rate < <(pactl list sinks short | awk '$2 == "null" { print $4, $5, $6 }')
    channels=${channels%ch}
    rate=${rate%Hz}
    local encoding="floating-point 32"
    case $format in s16le) encoding="signed 16" ;; s32le) encoding="signed 32" ;; esac
    for program in smallest largest; do
        send "PipeWire $rate $format" null null "$program" "$format" "$rate" "$channels" \
            ${encoding% *} "${encoding#* }" "" "$rows"
    done
    for pid in "${pids[@]}"; do stop_pid "$pid"; done
}

started=$(date +%s)
names=()
for row in "${FORMATS[@]}"; do
    IFS='|' read -r format rate channels sox <<<"$row"
    for suspend in no yes; do
        for kind in pipe null; do
            name="$format-$rate-$channels-$kind-$suspend"
            names+=("$name")
            (pulse_server "$name" "$kind" "$suspend" "$format" "$rate" "$channels" ${sox% *} \
                "${sox#* }") &
            PIDS+=($!)
        done
    done
done
names+=(pipewire)
(pipewire_server) &
PIDS+=($!)
for pid in "${PIDS[@]}"; do wait "$pid"; done
PIDS=()

echo "| output | sink | program | play took, of signal + 1 s | what the sink played |"
echo "|---|---|---|---|---|"
failed=0
for name in "${names[@]}"; do
    cat "$WORK/$name.rows" 2>/dev/null || { echo "| $name | no result |"; failed=1; }
    grep -qv "byte-exact" "$WORK/$name.rows" 2>/dev/null && failed=1
done
echo "matrix run in $(($(date +%s) - started)) s"
exit $failed
