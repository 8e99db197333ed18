#!/usr/bin/env bash
# The real program, end to end, on a private virtual display with a private sound server whose
# only sink plays as a PC's output does (48000 Hz, 16-bit, stereo) into a FIFO:
#   start it; a second copy says it is already running and ends, the first goes on;
#   TRY, Step 2: the editor opens with sample set 2;
#   文法 three times, a fourth press sends: what the output played, brought back to 8-bit mono at
#   24000 Hz, decodes to the TransmitImage that zuvomatic-cli compiles for the same sample;
#   the check again, then ツール > WAV保存 with a name typed without extension: a .wav file that
#   decodes to the same image;
#   the check again, then ツール > シミュレータ: the simulator window opens;
#   Ctrl+Shift+S and a path typed into the file dialog: a robot file that the tool reads and
#   compiles to the same image;
#   ファイル > 初期画面に戻る: the start screen returns and the simulator has gone with the editor;
#   END: the program ends with exit code 0.
# Screenshots of every step go to SHOTS_DIR (the last one shows where a failure stopped).
#
# usage: e2e_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR
# Exit 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool).
set -u

APP=${1:?usage: e2e_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR}
CLI=${2:?usage: e2e_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR}
SHOTS=${3:?usage: e2e_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR}
DISPLAY_NUMBER=95
WAIT=30 # seconds allowed for any window to come or go

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done
for tool in pulseaudio sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAILED: $tool is not installed" >&2; exit 1; }
done

. "$(dirname "$0")/../support/private_session.sh"
private_session_begin
mkdir -p "$SHOTS" "$WORK/out"
rm -f "$SHOTS"/*.png
export QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORMTHEME= # Qt's own file dialog, the same on every desktop

APP_PID=""
SECOND_PID=""
READER=""
STEP=0

stop_reader() {
    stop_pid "$READER"
    READER=""
}

cleanup() {
    stop_reader
    stop_pid "$SECOND_PID"
    stop_pid "$APP_PID"
    private_session_end
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

shot() { # NAME
    STEP=$((STEP + 1))
    command -v import >/dev/null 2>&1 || return 0
    import -window root "$(printf '%s/%02d-%s.png' "$SHOTS" "$STEP" "$1")" 2>/dev/null || true
}

fail() {
    echo "FAILED: $*" >&2
    shot failure
    echo "screenshots in $SHOTS" >&2
    exit 1
}

# --- the display (:95 when it is free, else any free one) and the sound server
if ! private_display 1024x768 "$DISPLAY_NUMBER"; then
    cat "$WORK/xvfb.log" >&2
    echo "Xvfb cannot run here: skipped"
    exit 77
fi
private_sound_server s16le 48000 2 || fail "the private sound server did not start"

# --- helpers over windows: await_window, await_gone, measure, click_at, focus, open_menu...
. "$(dirname "$0")/../support/window_driving.sh"

# Presses 文法 in the editor (the button at (733, 63) in the bottom panel, 52 x 38) once. Two
# presses in a row land 16 pixels apart, farther than a double-click may move, so that each is a
# press of its own without waiting out the double-click time.
CHECK_SIDE=-8
press_check() {
    CHECK_SIDE=$((-CHECK_SIDE))
    click_at $((733 + 26 + CHECK_SIDE)) $((BOTTOM + 63 + 19))
}

# --- what the program must send: the same sample through the command-line tool
timeout 10 "$CLI" sample 2 1 -o "$WORK/s.qvk" || fail "sample 2/1 not written"
timeout 10 "$CLI" compile "$WORK/s.qvk" >"$WORK/image.txt" || fail "sample 2/1 does not compile"

# --- start, and a second copy that must refuse to run
"$APP" >"$WORK/app.log" 2>&1 &
APP_PID=$!
await_window START 'Ｚｕｖｏｍａｔｉｃ　メニュー'
shot start

"$APP" >"$WORK/second.log" 2>&1 &
SECOND_PID=$!
await_window REFUSAL 'Zuvomatic'
[ "$(xdotool getwindowpid "$REFUSAL" 2>/dev/null)" = "$SECOND_PID" ] \
    || fail "the box titled Zuvomatic does not belong to the second copy"
shot already-running
focus "$REFUSAL"
xdotool key Return
for _ in $(seq $((WAIT * 10))); do
    kill -0 "$SECOND_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$SECOND_PID" 2>/dev/null && fail "the second copy did not end after its box"
wait "$SECOND_PID"
second_status=$?
SECOND_PID=""
[ "$second_status" -eq 1 ] || fail "the second copy ended with $second_status, not 1"
kill -0 "$APP_PID" 2>/dev/null || fail "the first copy ended with the second"
xdotool search --onlyvisible --name '^Ｚｕｖｏｍａｔｉｃ　メニュー$' >/dev/null \
    || fail "the start screen is gone"

# --- TRY (the second box, 147 x 185 at (232, 192)), then Step 2 (176, 200, 147 x 122)
measure "$START" 568
click_at $((232 + 73)) $((192 + 92))
await_window CHOOSER 'Ｚｕｖｏｍａｔｉｃ　サンプル'
measure "$CHOOSER" 568
move_to $((WX + 176 + 60)) $((WY + MENU + 200 + 61))
timeout 5 xdotool mousemove_relative --sync 2 0 # the step lights up under the moving pointer
shot samples-step2
click_at $((176 + 62)) $((200 + 61))

# --- the editor with sample set 2; its client area is 792 x 568, the bottom panel at 416
await_window EDITOR 'Zuvomatic 編集'
measure "$EDITOR" 568
BOTTOM=416
shot editor
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"

cat "$FIFO" >"$WORK/captured.raw" &
READER=$!
for _ in 1 2 3; do press_check; done
shot checked
press_check # the fourth press sends
# The transmission window is up while the signal plays; it may come and go between two looks,
# so the heard frame is what is waited for.
for _ in $(seq $((WAIT * 10))); do
    heard_frame "$CLI" "$WORK/captured.raw" "$WORK/image.txt" && break
    sleep 0.1
done
await_gone 'データ送信'
stop_reader
shot sent
heard_frame "$CLI" "$WORK/captured.raw" "$WORK/image.txt" || fail "$HEARD_PROBLEM"
echo "sent: the 48 kHz stereo output played the frame of the image"

# --- the signal as a WAV file: ツール > 信号をWAVファイルに保存, a name without extension
for _ in 1 2 3; do press_check; done
focus "$EDITOR"
open_menu alt+t
xdotool key w
answer_file_dialog '信号をWAVファイルに保存' "$WORK/out/robotsignal"
await_file "$WORK/out/robotsignal.wav"
timeout 10 "$CLI" decode "$WORK/out/robotsignal.wav" >"$WORK/wav-decoded.txt" \
    || fail "the saved WAV file does not decode"
head -n 1 "$WORK/wav-decoded.txt" | cmp -s - "$WORK/image.txt" \
    || fail "the WAV file holds $(head -n 1 "$WORK/wav-decoded.txt")"
echo "saved as WAV: the file decodes to the image"

# --- the simulator: ツール > シミュレータ
for _ in 1 2 3; do press_check; done
focus "$EDITOR"
open_menu alt+t
xdotool key m
await_window SIMULATOR 'Ｚｕｖｏｍａｔｉｃ　シミュレータ'
shot simulator
echo "the simulator window opened"

# --- save the program through the file dialog
focus "$EDITOR"
xdotool key --clearmodifiers ctrl+shift+s
answer_file_dialog '別名で保存' "$WORK/out/saved.qvk"
await_file "$WORK/out/saved.qvk"
timeout 10 "$CLI" read "$WORK/out/saved.qvk" >/dev/null || fail "the saved robot file is refused"
timeout 10 "$CLI" compile "$WORK/out/saved.qvk" >"$WORK/saved-image.txt" \
    || fail "the saved robot file does not compile"
cmp -s "$WORK/saved-image.txt" "$WORK/image.txt" || fail "the saved program compiles to another image"
echo "saved: the robot file reads and compiles to the image"

# --- back to the start screen, then END
focus "$EDITOR"
open_menu alt+f
xdotool key r
# Only edited programs draw the question; answer Yes if it comes.
for _ in $(seq 20); do
    if QUESTION=$(xdotool search --onlyvisible --name '^編集プログラムの終了$' 2>/dev/null | head -n 1) \
        && [ -n "$QUESTION" ]; then
        focus "$QUESTION"
        xdotool key y
        break
    fi
    xdotool search --onlyvisible --name '^Ｚｕｖｏｍａｔｉｃ　メニュー$' >/dev/null 2>&1 && break
    sleep 0.1
done
await_window START 'Ｚｕｖｏｍａｔｉｃ　メニュー'
await_gone 'Zuvomatic 編集'
await_gone 'Ｚｕｖｏｍａｔｉｃ　シミュレータ'
shot back-at-start
measure "$START" 568
click_at $((584 + 73)) $((192 + 92))
for _ in $(seq $((WAIT * 10))); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "END did not end the program"
wait "$APP_PID"
app_status=$?
APP_PID=""
[ "$app_status" -eq 0 ] || fail "the program ended with $app_status"
echo "the program ended with END"
exit 0
