#!/usr/bin/env bash
# Screenshots of the editor window under a private virtual display: the editor as it opens
# (docs/screenshots/editor.png) and a small program built with the mouse: BEGIN, Forward,
# Wait and END joined by lines, after the first check (docs/screenshots/editor-program.png).
# Usage: tests/ui/editor/editor_screenshots.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../../.."
BUILD=${1:-build}
. tests/support/private_session.sh
private_screenshot_session 1024x768 98

"$BUILD/tests/ui/editor/editor_preview" >/dev/null 2>&1 &
PROGRAM_PID=$!
WINDOW=$(xdotool search --sync --name 'Zuvomatic')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WINDOW")" # X, Y, WIDTH, HEIGHT
crop="${WIDTH}x${HEIGHT}+${X}+${Y}"
import -window root -crop "$crop" +repage "$OUT/editor.png"

# The client area starts below the menu bar; the drawing surface 1 pixel inside 編集窓 at (8, 0);
# the bottom panel at (0, 416) of the client area.
MENU=$((HEIGHT - 568))
SX=$((X + 9)); SY=$((Y + MENU + 1))
PX=$X; PY=$((Y + MENU + 416))
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.4; }
cell() { # lattice x, y -> a pixel inside it on the screen
    local cx=$(( ($1 / 2) * 59 + ($1 % 2 ? 53 : 24) )) cy=$(( ($2 / 2) * 59 + ($2 % 2 ? 53 : 24) ))
    echo "$((SX + cx)) $((SY + cy))"
}
tray() { # tray row, column -> the middle of its picture
    echo "$((PX + 196 + 32 * ($2 - 1) + 16)) $((PY + ($1 == 1 ? 30 : 63) + 16))"
}

click $(tray 1 1); click $(cell 4 4)   # Forward
click $(tray 1 11); click $(cell 6 4)  # Wait
sleep 0.4
read -r ex ey <<<"$(cell 20 4)"         # END: double-click picks it up, a click puts it down
xdotool mousemove --sync "$ex" "$ey" click --repeat 2 --delay 80 1; sleep 0.5
click $(cell 8 4)
for x in 3 5 7; do click $(cell "$x" 4); done
sleep 1
click $((PX + 733 + 26)) $((PY + 63 + 19)) # 文法: the connection check
xdotool mousemove --sync $((SX + 400)) $((SY + 330)); sleep 1
import -window root -crop "$crop" +repage "$OUT/editor-program.png"
