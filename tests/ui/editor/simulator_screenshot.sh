#!/usr/bin/env bash
# Screenshot of the editor with the simulator open beside it and the executing icon lit, under a
# private virtual display (docs/screenshots/simulator-editor.png).
# Usage: tests/ui/editor/simulator_screenshot.sh BUILD_DIR [SAMPLE_SET] [SIMULATED_MS]
set -euo pipefail
cd "$(dirname "$0")/../../.."
BUILD=${1:-build}
SAMPLE=${2:-1}
MS=${3:-2500}
# No sound server can be found: a beep of the simulator must not reach a real one.
. tests/support/private_session.sh
private_screenshot_session 1920x700 96

"$BUILD/tests/ui/editor/editor_preview" --sample "$SAMPLE" --simulate "$MS" >/dev/null 2>&1 &
PROGRAM_PID=$!
timeout 30 xdotool search --sync --name 'シミュレータ' >/dev/null
sleep 1.5 # the first paint of both windows and a blink tick
import -window root -crop 1920x660+0+0 +repage "$OUT/simulator-editor.png"
echo "$OUT/simulator-editor.png"
