#!/usr/bin/env bash
# Screenshots of sending on an output turned down to 10 %, under a private virtual display and a
# private sound server (a 48000 Hz stereo output): the question before the fourth press plays
# (docs/screenshots/send-output-question.png), and, sent all the same, the transmission window
# saying that what the output played did not hold the frame (docs/screenshots/send-not-heard.png).
# Usage: tests/ui/transmit/transmit_screenshots.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../../.."
BUILD=${1:-build}
. tests/support/private_session.sh
private_screenshot_session 1024x768 97
READER=""
trap 'stop_pid "$READER"; stop_pid "$PROGRAM_PID"; private_session_end' EXIT
private_sound_server s16le 48000 2
cat "$FIFO" >/dev/null &
READER=$!
pactl set-sink-volume robot 10%

"$BUILD/tests/ui/editor/editor_preview" --sample 1 >/dev/null 2>&1 &
PROGRAM_PID=$!
WINDOW=$(timeout 30 xdotool search --sync --name 'Zuvomatic')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WINDOW")" # X, Y, WIDTH, HEIGHT
MENU=$((HEIGHT - 568))
# 文法 in the bottom panel, at (733, 63) of the panel at (0, 416) of the client area.
for _ in 1 2 3 4; do
    xdotool mousemove --sync $((X + 733 + 26)) $((Y + MENU + 416 + 63 + 19)) click 1
    sleep 0.4
done

shot() { # WINDOW_NAME FILE
    local id
    id=$(timeout 30 xdotool search --sync --name "$1" | tail -n 1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$id")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT/$2"
    echo "$OUT/$2"
}
shot '音声出力の確認' send-output-question.png
xdotool key --clearmodifiers alt+a # このまま送る(&A)
timeout 30 xdotool search --sync --onlyvisible --name 'データ送信' >/dev/null
sleep 2.5 # the signal plays (0.8 s); the window then stays, saying what was heard
shot 'データ送信' send-not-heard.png
