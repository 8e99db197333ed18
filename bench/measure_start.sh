#!/usr/bin/env bash
# The program's start against the floor, built in the same run with the program's own flags:
#   - start to the start screen shown: zuvomatic against a bare Qt window with one Japanese label
#     of the same size (bench/bare_window.cpp);
#   - zuvomatic-cli compile of a sample against a bare QCoreApplication (bench/bare_core.cpp);
#   - GO! to the editor shown.
# Each in instructions (valgrind's callgrind: whole process to idle, the same whatever the
# machine's load) and in wall time (the median of RUNS, the program and its floor alternating,
# timed from outside by bench/shownclock.cpp), with the ratios.
# Usage: bench/measure_start.sh [BUILD_DIR] [RUNS]   (default build, 11)
# Needs valgrind, Xvfb and xdotool (scripts/packages.sh); configures BUILD_DIR with the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")
runs=${2:-11}
for tool in valgrind Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "measure_start: $tool is missing" >&2; exit 2; }
done
cmake -S . -B "$build" -DZUVO_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target zuvomatic zuvomatic-cli bare_window bare_core \
    shownclock >/dev/null
app="$build/src/app/zuvomatic"
cli="$build/src/cli/zuvomatic-cli"
bare_window="$build/bench/bare_window"
bare_core="$build/bench/bare_core"
clock="$build/bench/shownclock"

. tests/support/private_session.sh
private_session_begin
trap private_session_end EXIT
# A black root: a window counts as painted once its corner is no longer black (shownclock).
private_display 1024x768 93 -br || { cat "$WORK/xvfb.log" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
# No session bus to reach or to start, for the program and the floor alike.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-bus"
start_title="Ｚｕｖｏｍａｔｉｃ　メニュー"
editor_title="Zuvomatic 編集"
go_x=129 go_y=302 # GO! in the start screen (box 56, 192 + 147 x 185 under the menu bar)
"$cli" sample 4 1 -o "$WORK/sample.qvk"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

# --- instructions: the whole process under callgrind until it is idle, then ended by a signal
# that neither program handles (SIGUSR1), so that no orderly shutdown is counted.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
await_idle() { # PID: until it used no CPU for half a second
    local last now
    last=$(cpu_ticks "$1")
    while sleep 0.5; do
        now=$(cpu_ticks "$1")
        [ "$now" = "$last" ] && return
        last=$now
    done
}
await_window() { # TITLE PID
    until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        kill -0 "$2" 2>/dev/null || { echo "measure_start: the program ended" >&2; exit 1; }
        sleep 0.1
    done
}
instructions() { # LOG: what callgrind counted
    awk '/Collected :/ { print $NF }' "$1" | tail -n 1
}
counted() { # TITLE GO(yes|no) PROGRAM...: instructions to the window shown (and through GO!)
    local title=$1 go=$2 pid window
    shift 2
    valgrind --tool=callgrind --callgrind-out-file="$WORK/callgrind.out" "$@" \
        >/dev/null 2>"$WORK/callgrind.log" &
    pid=$!
    await_window "$title" "$pid"
    await_idle "$pid"
    if [ "$go" = yes ]; then
        window=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove --sync $((X + go_x)) $((Y + go_y))
        await_idle "$pid"
        xdotool click 1
        await_window "$editor_title" "$pid"
        await_idle "$pid"
    fi
    kill -USR1 "$pid"
    wait "$pid" || true
    instructions "$WORK/callgrind.log"
}
echo "counting instructions (callgrind)..."
i_window=$(counted "bare window" no "$bare_window")
i_start=$(counted "$start_title" no "$app")
i_go=$(($(counted "$start_title" yes "$app") - i_start))
valgrind --tool=callgrind --callgrind-out-file="$WORK/callgrind.out" "$bare_core" \
    2>"$WORK/callgrind.log" >/dev/null
i_core=$(instructions "$WORK/callgrind.log")
valgrind --tool=callgrind --callgrind-out-file="$WORK/callgrind.out" "$cli" compile \
    "$WORK/sample.qvk" 2>"$WORK/callgrind.log" >/dev/null
i_compile=$(instructions "$WORK/callgrind.log")

# --- wall time: alternating, the median of each.
echo "timing $runs runs of each, alternating..."
: >"$WORK/window.ms"
: >"$WORK/start.ms"
: >"$WORK/core.ms"
: >"$WORK/compile.ms"
: >"$WORK/go.ms"
for _ in $(seq "$runs"); do
    "$clock" show "bare window" -- "$bare_window" >>"$WORK/window.ms"
    "$clock" show "$start_title" -- "$app" >>"$WORK/start.ms"
    "$clock" exit -- "$bare_core" >>"$WORK/core.ms"
    "$clock" exit -- "$cli" compile "$WORK/sample.qvk" >>"$WORK/compile.ms"
    "$clock" click "$start_title" "$go_x" "$go_y" "$editor_title" -- "$app" >>"$WORK/go.ms"
done
t_window=$(median <"$WORK/window.ms")
t_start=$(median <"$WORK/start.ms")
t_core=$(median <"$WORK/core.ms")
t_compile=$(median <"$WORK/compile.ms")
t_go=$(median <"$WORK/go.ms")

printf '\n%-34s %14s %14s %7s %9s %9s %7s\n' "" "instructions" "floor" "ratio" "ms" "floor ms" "ratio"
printf '%-34s %14d %14d %7s %9s %9s %7s\n' "start to start screen shown" "$i_start" "$i_window" \
    "$(ratio "$i_start" "$i_window")" "$t_start" "$t_window" "$(ratio "$t_start" "$t_window")"
printf '%-34s %14d %14d %7s %9s %9s %7s\n' "zuvomatic-cli compile" "$i_compile" "$i_core" \
    "$(ratio "$i_compile" "$i_core")" "$t_compile" "$t_core" "$(ratio "$t_compile" "$t_core")"
printf '%-34s %14d %14s %7s %9s %9s %7s\n' "GO! to the editor shown" "$i_go" "" "" "$t_go" "" ""
echo "(floors: a bare Qt window with one Japanese label of the start screen's size; a bare"
echo " QCoreApplication. Wall times: median of $runs, alternating. Targets: start 1.2, compile 1.1.)"
