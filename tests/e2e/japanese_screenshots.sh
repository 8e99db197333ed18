#!/usr/bin/env bash
# Screenshots of what a user meets in Japanese, taken from the real program on a private
# virtual screen of 1920 x 1080 (docs/screenshots/):
#   scale200-start.png, scale200-help.png, scale200-samples.png, scale200-editor.png: every main
#     window at 200 % (QT_SCALE_FACTOR=2), its title and menu bar on screen;
#   question-yes-no.png: the editor's question before opening a file, with はい / いいえ;
#   open-dialog.png: the 開く dialog after はい, in Japanese;
#   tray-tooltip.png: the tooltip of a tray picture;
#   help-check-button.png: the help topic 文法チェック beside the editor's check button it names.
# Usage: tests/e2e/japanese_screenshots.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
APP="$BUILD/src/app/zuvomatic"
. tests/support/private_session.sh
private_screenshot_session 1920x1080 71
mkdir -p "$WORK/files"
export QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORMTHEME= # Qt's own file dialog, as on every desktop
printf 'Quorvel50 J\r\n\r\nEND\r\nEND\r\nEND\r\n 0 \r\n 0 \r\n' >"$WORK/files/robot.qvk"
mkdir "$WORK/files/programs"

stop_app() {
    stop_pid "$PROGRAM_PID"
    PROGRAM_PID=
}

await() { # TITLE: prints the id of the visible window with exactly that title
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}
geometry() { # WINDOW: sets X, Y, WIDTH, HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
}
start_app() { # environment words...
    env "$@" "$APP" >/dev/null 2>&1 &
    PROGRAM_PID=$!
}
click() { xdotool mousemove --sync "$1" "$2" click 1; }

# --- 200 %: each main window from the start screen's boxes (client 792 x 568, boxes at
# 40 + 176 n, 192, 147 x 185).
box_centre() { # WINDOW BOX SCALE: the screen position of the middle of start box BOX
    geometry "$1"
    local menu=$(((HEIGHT - 568 * $3) / $3))
    echo "$((X + (40 + 176 * $2 + 73) * $3)) $((Y + (menu + 192 + 92) * $3))"
}
for target in start help samples editor; do
    start_app QT_SCALE_FACTOR=2
    START=$(await 'Ｚｕｖｏｍａｔｉｃ　メニュー')
    sleep 1
    case $target in
    help) click $(box_centre "$START" 2 2); await 'Ｚｕｖｏｍａｔｉｃ　説明' >/dev/null ;;
    samples) click $(box_centre "$START" 1 2); await 'Ｚｕｖｏｍａｔｉｃ　サンプル' >/dev/null ;;
    editor) click $(box_centre "$START" 0 2); await 'Zuvomatic 編集' >/dev/null ;;
    esac
    sleep 1.5
    import -window root "$OUT/scale200-$target.png"
    stop_app
done

# --- 100 %: the editor's question, the open dialog, a tray tooltip
start_app
START=$(await 'Ｚｕｖｏｍａｔｉｃ　メニュー')
sleep 0.5
click $(box_centre "$START" 0 1)
EDITOR=$(await 'Zuvomatic 編集')
sleep 1
geometry "$EDITOR"
EX=$X EY=$Y EW=$WIDTH EH=$HEIGHT
MENU=$((EH - 568))
PX=$EX PY=$((EY + MENU + 416)) # the bottom panel
# Forward from the tray onto the grid: the program is modified, opening asks first.
click $((PX + 196 + 16)) $((PY + 30 + 16))
click $((EX + 9 + 2 * 59 + 24)) $((EY + MENU + 1 + 3 * 59 + 24))
sleep 0.5
# The tooltip of the Backward picture, the pointer resting on it.
xdotool mousemove --sync $((PX + 196 + 32 + 16)) $((PY + 30 + 16))
sleep 0.2
xdotool mousemove --sync $((PX + 196 + 32 + 18)) $((PY + 30 + 18))
sleep 2.5
import -window root -crop "420x200+$((PX + 100))+$((PY - 60))" +repage "$OUT/tray-tooltip.png"

# The help topic's button, cut from the editor: 文法 at (733, 63) of the bottom panel, 52 x 38.
import -window root -crop "52x38+$((PX + 733))+$((PY + 63))" +repage "$WORK/check-button.png"

xdotool key --window "$EDITOR" ctrl+o
QUESTION=$(await 'ファイルを開く')
sleep 0.7
geometry "$QUESTION"
import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 40))+$((X - 20))+$((Y - 20))" +repage \
    "$OUT/question-yes-no.png"
xdotool key --window "$QUESTION" alt+y
DIALOG=$(await '開く')
sleep 0.3
xdotool type --delay 20 "$WORK/files/"
xdotool key Return
sleep 1.5
geometry "$DIALOG"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT/open-dialog.png"
xdotool key Escape
stop_app

# --- the help topic 文法チェック (entry 72) beside the button it names
start_app
START=$(await 'Ｚｕｖｏｍａｔｉｃ　メニュー')
sleep 0.5
click $(box_centre "$START" 2 1)
HELP=$(await 'Ｚｕｖｏｍａｔｉｃ　説明')
sleep 1
geometry "$HELP"
MENU=$((HEIGHT - 568))
click $((X + 150)) $((Y + MENU + 215)) # the first entry of List1
xdotool key Home
xdotool key --repeat 72 --delay 5 Down
sleep 1
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$WORK/help.png"
stop_app
convert "$WORK/help.png" \( "$WORK/check-button.png" -filter point -resize 200% \) \
    -gravity center -background white -splice 0x0 +append "$OUT/help-check-button.png"
echo "screenshots in $OUT"
