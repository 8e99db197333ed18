#!/usr/bin/env bash
# Screenshots of the keyboard mode's cursor, taken under a private virtual display with real
# key presses only: the cursor on a line, on a selected icon, on an empty cell
# and on a selected empty cell (orange while it blinks), at 100 % and at 200 %
# (QT_SCALE_FACTOR=2), into docs/screenshots/.
# Usage: tests/ui/editor/keyboard_screenshots.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../../.."
BUILD=${1:-build}
. tests/support/private_session.sh
private_screenshot_session 1800x1400 73

shoot() { # scale suffix
    local scale=$1 suffix=$2
    QT_SCALE_FACTOR=$scale "$BUILD/tests/ui/editor/editor_preview" >/dev/null 2>&1 &
    PROGRAM_PID=$!
    local window
    window=$(xdotool search --sync --name 'Zuvomatic')
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y, WIDTH, HEIGHT
    local crop="${WIDTH}x${HEIGHT}+${X}+${Y}"
    # The pointer rests on the memo, away from the grid; the keys go to the editor.
    xdotool mousemove --sync $((X + WIDTH - 20)) $((Y + HEIGHT - 20))
    xdotool windowfocus --sync "$window"
    keys() { xdotool key --delay 60 "$@"; sleep 0.4; }

    keys F7                         # the mode on: the cursor at the top-left icon cell
    keys Tab Return                 # the tray's first picture, Forward, picked
    keys Right Right Down Down Down Down Down Down Return # placed at column 2, row 4
    sleep 0.7                       # the pick ends at the next blink tick
    keys Up Return                  # the line above it
    import -window root -crop "$crop" +repage "$OUT/keyboard-line$suffix.png"
    keys Down Return                # Forward selected: its picture blinks away and back
    local a=/tmp/keyboard-shot-a.png b=/tmp/keyboard-shot-b.png
    import -window root -crop "$crop" +repage "$a"
    sleep 0.3
    import -window root -crop "$crop" +repage "$b"
    # The phase that shows the picture: the larger file of the two.
    if [ "$(stat -c %s "$a")" -lt "$(stat -c %s "$b")" ]; then mv "$b" "$a"; else rm -f "$b"; fi
    mv "$a" "$OUT/keyboard-selected$suffix.png"
    keys Escape Right Right         # an empty cell beside it
    import -window root -crop "$crop" +repage "$OUT/keyboard-empty$suffix.png"
    keys Return                     # selected: orange and white in turn
    sleep 0.1
    import -window root -crop "$crop" +repage "$OUT/keyboard-blinking$suffix.png"

    stop_pid "$PROGRAM_PID"
    PROGRAM_PID=
}

shoot 1 ""
shoot 2 "-200"
