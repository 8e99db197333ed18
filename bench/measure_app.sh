#!/usr/bin/env bash
# Measures the real program under a private Xvfb:
#   - whole-process start to the start screen shown (median of RUNS starts),
#   - peak resident memory with the editor open (GO!, wait for the editor, then END).
# Usage: bench/measure_app.sh [BUILD_DIR] [RUNS]   (needs xvfb, xdotool, /usr/bin/time)
set -euo pipefail
build=${1:-build}
runs=${2:-10}
app="$build/src/app/zuvomatic"
[ -x "$app" ] || { echo "no $app: build first" >&2; exit 2; }

display=:94
work=$(mktemp -d)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT INT TERM
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

start_title="Ｚｕｖｏｍａｔｉｃ　メニュー"
times=()
for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    "$app" >>"$work/app.log" 2>&1 &
    pid=$!
    # xdotool's own --sync waits in half-second steps: poll in 5 ms steps instead.
    until xdotool search --onlyvisible --name "$start_title" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window showed:" >&2; tail -n 4 "$work/app.log" >&2; tail -n 6 "$work/xvfb.log" >&2; exit 1; }
        sleep 0.005
    done
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "start to start screen shown: median ${median} ms over ${runs} runs (all: $(echo $sorted))"

# Peak memory: GO! opens the editor; once it is up and painted, the program is ended.
/usr/bin/time -v -o "$work/time.txt" "$app" >/dev/null 2>&1 &
timepid=$!
win=$(xdotool search --sync --onlyvisible --name "$start_title" | head -1)
xdotool mousemove --window "$win" --sync 129 284 click 1
xdotool search --sync --onlyvisible --name "Zuvomatic 編集" >/dev/null
sleep 2
pkill -TERM -P "$timepid" || true
wait "$timepid" || true
peak=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$work/time.txt")
echo "peak resident memory with the editor open: $(( peak / 1024 )) MB"
