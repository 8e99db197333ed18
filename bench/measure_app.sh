#!/usr/bin/env bash
# Measures the real program under a private Xvfb: the peak resident memory with the editor open
# (GO!, wait for the editor, then end it). Its start is measured by bench/measure_start.sh.
# Usage: bench/measure_app.sh [BUILD_DIR]   (needs xvfb, xdotool, /usr/bin/time)
set -euo pipefail
build=${1:-build}
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
