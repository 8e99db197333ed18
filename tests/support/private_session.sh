# A private desktop session for the scripts that drive the real program: its own runtime
# directory, home and temporary directory, a virtual display, and a sound server whose only sink
# writes what it plays into a FIFO, in the signal's own format (8-bit unsigned, mono, 24000 Hz)
# or in one a PC's output has. Nothing on this machine disturbs it, and it disturbs nothing:
# another copy of the program, a real sound server, a real display.
#
# Sourced, not run:
#   . tests/support/private_session.sh
#   private_session_begin          # WORK, HOME, TMPDIR, XDG_RUNTIME_DIR, no sound server found
#   private_display 1024x768 95    # sets DISPLAY and XVFB_PID, or returns 1
#   private_sound_server || ...    # sets FIFO, or returns 1 with the server's log on stderr
#   private_accessibility_bus || ... # a session bus and the accessibility bus screen readers use
#   private_sound_server s16le 48000 2   # the same in another format (FIFO_FORMAT for sox)
#   private_session_end            # stops what was started and removes WORK (call it on EXIT)
# or, for a script that takes screenshots of one program into docs/screenshots (OUT):
#   private_screenshot_session 1024x768 98   # PROGRAM_PID is stopped with the session on exit
# Works under `set -euo pipefail`.

WORK=""
XVFB_PID=""
FIFO=""
SESSION_BUS_PID=""
A11Y_LAUNCHER_PID=""

# Ends a process the script started, waiting briefly; returns 0 when there is none.
stop_pid() { # PID
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 0
}

# The private directories. The temporary directory holds the program's single-instance lock; the
# home, the file dialog's history; the runtime directory, the sound server's socket.
private_session_begin() {
    WORK=$(mktemp -d)
    export XDG_RUNTIME_DIR="$WORK/runtime"
    export HOME="$WORK/home"
    export TMPDIR="$WORK/tmp"
    export PULSE_CLIENTCONFIG="$WORK/client.conf"
    unset PULSE_SERVER SESSION_MANAGER
    mkdir -p "$HOME" "$TMPDIR"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
}

private_display_ready() {
    for _ in $(seq 100); do
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        if xdotool getdisplaygeometry >/dev/null 2>&1; then
            sleep 0.2 # a server already there answers at once, and ours then ends
            kill -0 "$XVFB_PID" 2>/dev/null # ours, not another server's
            return
        fi
        sleep 0.1
    done
    return 1
}

# A virtual screen of GEOMETRY (WIDTHxHEIGHT), on display NUMBER when it is free, else on one
# the server chooses, with the further Xvfb OPTIONs given (-br: a black root). Its log is
# $WORK/xvfb.log.
private_display() { # GEOMETRY NUMBER [OPTION...]
    # -noreset: a server that resets whenever its last client leaves can refuse the next one.
    local args=(-screen 0 "$1x24" -nolisten tcp -noreset "${@:3}")
    local lock="/tmp/.X$2-lock"
    if ! { [ -e "$lock" ] && kill -0 "$(tr -d ' ' <"$lock")" 2>/dev/null; }; then
        Xvfb ":$2" "${args[@]}" >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$2"
        private_display_ready && return 0
        stop_pid "$XVFB_PID"
    fi
    Xvfb -displayfd 1 "${args[@]}" >"$WORK/display" 2>>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    [ -s "$WORK/display" ] || return 1
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    private_display_ready
}

# The sound server with its pipe sink "robot" writing into $FIFO, clocked by the system as an
# output is, in FORMAT RATE CHANNELS (u8 24000 1 unless given); FIFO_FORMAT is that format as
# sox's input options. Running as root only draws a warning with these flags.
private_sound_server() { # [FORMAT RATE CHANNELS]
    local format=${1:-u8} rate=${2:-24000} channels=${3:-1} map=mono
    [ "$channels" = 2 ] && map=front-left,front-right
    FIFO="$XDG_RUNTIME_DIR/robot.fifo"
    case $format in
    u8) FIFO_FORMAT="-e unsigned -b 8" ;;
    s16le) FIFO_FORMAT="-e signed -b 16" ;;
    s32le) FIFO_FORMAT="-e signed -b 32" ;;
    float32le) FIFO_FORMAT="-e floating-point -b 32" ;;
    esac
    FIFO_FORMAT="-t raw $FIFO_FORMAT -c $channels -r $rate"
    if ! timeout 20 pulseaudio -n -D --exit-idle-time=-1 --disallow-exit --log-level=error \
        -L module-native-protocol-unix \
        -L "module-pipe-sink sink_name=robot file=$FIFO format=$format rate=$rate channels=$channels channel_map=$map use_system_clock_for_timing=yes" \
        2>"$WORK/pulseaudio.log"; then
        cat "$WORK/pulseaudio.log" >&2
        return 1
    fi
    for _ in $(seq 100); do
        [ -p "$FIFO" ] && [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && return 0
        sleep 0.1
    done
    return 1
}

# The bytes of a file, one decimal value per line, without the silence (128) at both ends.
trimmed_samples() { # FILE
    od -An -v -tu1 -w1 "$1" | awk '
        { v[NR] = $1 + 0 }
        END {
            s = 1; while (s <= NR && v[s] == 128) s++
            e = NR; while (e >= s && v[e] == 128) e--
            for (i = s; i <= e; i++) print v[i]
        }'
}

# Whether the signal the sink heard (CAPTURED, raw samples) is exactly the one RENDERED (trimmed
# samples, one a line) and its frame decodes with its checksum, through CLI, to the TransmitImage
# in IMAGE. Otherwise HEARD_PROBLEM says what differs.
heard_exactly() { # CLI CAPTURED RENDERED IMAGE
    local captured="$WORK/heard.txt" decoded="$WORK/heard-decoded.txt"
    trimmed_samples "$2" >"$captured"
    if ! cmp -s "$captured" "$3"; then
        HEARD_PROBLEM="heard $(wc -l <"$captured") samples, rendered $(wc -l <"$3"), or they differ"
        return 1
    fi
    if ! timeout 10 "$1" decode --raw "$2" >"$decoded"; then
        HEARD_PROBLEM="the heard frame does not decode with its checksum"
        return 1
    fi
    if ! head -n 1 "$decoded" | cmp -s - "$4"; then
        HEARD_PROBLEM="heard $(head -n 1 "$decoded"), compiled $(cat "$4")"
        return 1
    fi
}

# Whether what the sink played (CAPTURED, raw in the sink's format), brought back to 8-bit mono
# at 24000 Hz, decodes with its checksum through CLI to the TransmitImage in IMAGE, as a robot
# would hear it. Otherwise HEARD_PROBLEM says what was heard.
heard_frame() { # CLI CAPTURED IMAGE
    # shellcheck disable=SC2086 # FIFO_FORMAT is a list of options
    sox -V1 $FIFO_FORMAT "$2" -t wav -e unsigned -b 8 -c 1 -r 24000 "$WORK/heard.wav" 2>/dev/null \
        || { HEARD_PROBLEM="nothing was heard"; return 1; }
    if ! timeout 10 "$1" decode "$WORK/heard.wav" >"$WORK/heard-decoded.txt" 2>&1; then
        HEARD_PROBLEM="the heard signal does not decode: $(tail -n 1 "$WORK/heard-decoded.txt")"
        return 1
    fi
    if ! head -n 1 "$WORK/heard-decoded.txt" | cmp -s - "$3"; then
        HEARD_PROBLEM="heard $(head -n 1 "$WORK/heard-decoded.txt"), compiled $(cat "$3")"
        return 1
    fi
}

# A private session bus and on it the accessibility bus with its registry, as a desktop session
# starts them for a screen reader: sets DBUS_SESSION_BUS_ADDRESS, or returns 1 with the logs on
# stderr. Qt's bridge finds the accessibility bus through the session bus.
private_accessibility_bus() {
    local started
    started=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 \
        2>"$WORK/dbus.log") || { cat "$WORK/dbus.log" >&2; return 1; }
    export DBUS_SESSION_BUS_ADDRESS=${started%%$'\n'*}
    SESSION_BUS_PID=${started##*$'\n'}
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/at-spi.log" 2>&1 &
    A11Y_LAUNCHER_PID=$!
    for _ in $(seq 100); do
        if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1; then
            return 0
        fi
        kill -0 "$A11Y_LAUNCHER_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$WORK/at-spi.log" >&2
    return 1
}

private_session_end() {
    [ -n "$WORK" ] || return 0
    # The launcher takes its bus and registry with it.
    stop_pid "$A11Y_LAUNCHER_PID"
    stop_pid "$SESSION_BUS_PID"
    A11Y_LAUNCHER_PID=""
    SESSION_BUS_PID=""
    if [ -f "$XDG_RUNTIME_DIR/pulse/pid" ]; then
        stop_pid "$(cat "$XDG_RUNTIME_DIR/pulse/pid")"
    fi
    stop_pid "$XVFB_PID"
    rm -rf "$WORK"
    WORK=""
}

# The whole session of a screenshot script run from the tree's root: the private directories, a
# display of GEOMETRY (the script ends when none can start), OUT for the pictures, and on exit
# the program in PROGRAM_PID stopped and everything removed.
private_screenshot_session() { # GEOMETRY NUMBER
    private_session_begin
    PROGRAM_PID=""
    trap 'stop_pid "$PROGRAM_PID"; private_session_end' EXIT
    if ! private_display "$1" "$2"; then
        cat "$WORK/xvfb.log" >&2
        exit 1
    fi
    OUT=docs/screenshots
    mkdir -p "$OUT"
}
