#!/usr/bin/env bash
# Screenshot of the editor with the simulator open beside it and the executing icon lit, under a
# private virtual display (docs/screenshots/simulator-editor.png).
# Usage: tests/ui/editor/simulator_screenshot.sh BUILD_DIR [SAMPLE_SET] [SIMULATED_MS]
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
SAMPLE=${2:-1}
MS=${3:-2500}
OUT=docs/screenshots
DISPLAY_NUMBER=:96
mkdir -p "$OUT"

Xvfb "$DISPLAY_NUMBER" -screen 0 1920x700x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
PREVIEW_PID=
RUNTIME=$(mktemp -d)
cleanup() {
    if [ -n "$PREVIEW_PID" ]; then kill "$PREVIEW_PID" 2>/dev/null || true; fi
    kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$RUNTIME"
}
trap cleanup EXIT
export DISPLAY=$DISPLAY_NUMBER
# No sound server: a beep of the simulator must not reach a real one.
export XDG_RUNTIME_DIR=$RUNTIME PULSE_SERVER=unix:/nonexistent
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$BUILD/tests/ui/editor/editor_preview" --sample "$SAMPLE" --simulate "$MS" >/dev/null 2>&1 &
PREVIEW_PID=$!
timeout 30 xdotool search --sync --name 'シミュレータ' >/dev/null
sleep 1.5 # the first paint of both windows and a blink tick
import -window root -crop 1920x660+0+0 +repage "$OUT/simulator-editor.png"
echo "$OUT/simulator-editor.png"
