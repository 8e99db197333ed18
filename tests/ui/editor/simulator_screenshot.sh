#!/usr/bin/env bash
# Screenshots of the editor with the simulator running where the editor places it, the executing
# icon lit, on a school laptop's 1366 x 768 screen (docs/screenshots/simulator-editor.png) and on
# 1920 x 1080 at 200 % (docs/screenshots/simulator-editor-200.png), each on a private virtual
# display.
# Usage: tests/ui/editor/simulator_screenshot.sh BUILD_DIR [SAMPLE_SET] [SIMULATED_MS]
set -euo pipefail
cd "$(dirname "$0")/../../.."
BUILD=${1:-build}
SAMPLE=${2:-5}
MS=${3:-2500}
# No sound server can be found: a beep of the simulator must not reach a real one.
. tests/support/private_session.sh

shoot() { # GEOMETRY SCALE NAME
    (
        private_screenshot_session "$1" 96
        QT_SCALE_FACTOR=$2 "$BUILD/tests/ui/editor/editor_preview" --sample "$SAMPLE" \
            --simulate "$MS" --play >/dev/null 2>&1 &
        PROGRAM_PID=$!
        timeout 30 xdotool search --sync --name 'シミュレータ' >/dev/null
        sleep 1.5 # the first paint of both windows and a blink tick
        import -window root "$OUT/$3.png"
        echo "$OUT/$3.png"
    )
}
shoot 1366x768 1 simulator-editor
shoot 1920x1080 2 simulator-editor-200
