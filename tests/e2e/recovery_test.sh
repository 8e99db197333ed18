#!/usr/bin/env bash
# The copies of unsaved programs, on the real program, on a private virtual display; the state
# folder is the private home's ~/.local/state/zuvomatic. Each run below ends, then the next start
# shows what it asks:
#   a look only (tabs, the check, leaving, END): nothing in the state folder;
#   the memo typed, kill -9 before the delay has passed: nothing, and no question;
#   the memo typed, its copy written, more typed, kill -9: that copy; GO! asks; はい; 上書き保存
#     writes the slot's file, which reads as the program of the copy (an independent expectation);
#   the memo typed, SIGTERM at once: the copy is written before the end; the same restore;
#   the memo typed and its copy written, then leaving and END without saving: nothing left;
#   the same with 上書き保存 first: the copy goes with the save;
#   three slots typed into, the third saved as, kill -9: copies of the first two only; GO!, はい,
#     SIGHUP: the new program's copies of slots 1 and 2 equal those before the fault;
#   いいえ keeps them and the next question says so; a second いいえ removes them;
#   the desktop's end of session: xsm, the X session manager, started the program and shuts the
#     session down with a checkpoint: the program keeps its work and ends without a question.
# Screenshots go to SHOTS_DIR.
#
# usage: recovery_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR
# Exit 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool).
set -u

APP=${1:?usage: recovery_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR}
CLI=${2:?usage: recovery_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR}
SHOTS=${3:?usage: recovery_test.sh ZUVOMATIC ZUVOMATIC_CLI SHOTS_DIR}
WAIT=30 # seconds allowed for any window or file to come or go

for tool in Xvfb xdotool xsm iceauth; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done

. "$(dirname "$0")/../support/private_session.sh"
private_session_begin
mkdir -p "$SHOTS"
rm -f "$SHOTS"/*.png
export QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORMTHEME=
unset XDG_STATE_HOME
STATE="$HOME/.local/state/zuvomatic"
APP_PID=""
XSM_PID=""
STEP=0

trap 'stop_pid "$APP_PID"; stop_pid "$XSM_PID"; private_session_end' EXIT
trap 'exit 1' INT TERM HUP

shot() { # NAME
    STEP=$((STEP + 1))
    command -v import >/dev/null 2>&1 || return 0
    import -window root "$(printf '%s/%02d-%s.png' "$SHOTS" "$STEP" "$1")" 2>/dev/null || true
}

fail() {
    echo "FAILED: $*" >&2
    shot failure
    ls -laR "$STATE" >&2 2>/dev/null
    exit 1
}

if ! private_display 1024x768 96; then
    cat "$WORK/xvfb.log" >&2
    echo "Xvfb cannot run here: skipped"
    exit 77
fi

. "$(dirname "$0")/../support/window_driving.sh"

# --- the program
EDITOR_TITLE='Zuvomatic 編集'
START_TITLE='Ｚｕｖｏｍａｔｉｃ　メニュー'
QUESTION_TITLE='プログラムの復元'

# Starts the program with ARGS: with a file it opens the editor at once, without it GO! does.
start_program() { # ARGS...
    "$APP" "$@" >>"$WORK/app.log" 2>&1 &
    APP_PID=$!
    if [ $# -eq 0 ]; then
        local start
        await_window start "$START_TITLE"
        measure "$start" 568
        click_at $((56 + 73)) $((192 + 92))
    fi
}

# The editor is up and asks nothing: its ファイル menu opens (no box is in the way) and no
# restore question came with it.
expect_no_question() {
    await_window EDITOR "$EDITOR_TITLE"
    focus "$EDITOR"
    open_menu alt+f
    xdotool key Escape
    xdotool search --onlyvisible --name "^$QUESTION_TITLE\$" >/dev/null 2>&1 \
        && fail "a restore question came"
    measure "$EDITOR" 568
}

# The restore question comes; KEY (y or n) answers it.
answer_question() { # KEY NAME
    local question
    await_window question "$QUESTION_TITLE"
    shot "$2"
    focus "$question"
    xdotool key "$1"
    await_gone "$QUESTION_TITLE"
    await_window EDITOR "$EDITOR_TITLE"
    focus "$EDITOR"
    measure "$EDITOR" 568
}

# Types a new memo line at the end of the memo box (its bottom panel sits at 416).
type_memo() { # TEXT
    click_at 568 544
    xdotool key --clearmodifiers ctrl+End Return
    xdotool type --delay 20 "$1"
}

click_tab() { # SLOT (0..3)
    click_at $((8 + 192 * $1 + 96)) $((416 + 8))
}

# ファイル > 初期画面に戻る, the last item; KEY answers the unsaved-programs question if one comes.
leave_editor() { # [KEY]
    focus "$EDITOR"
    open_menu alt+f
    xdotool key Up Return
    if [ $# -gt 0 ]; then
        local question
        await_window question '編集プログラムの終了'
        focus "$question"
        xdotool key "$1"
    fi
    await_gone "$EDITOR_TITLE"
}

end_program() { # END on the start screen; the program ends with 0
    local start status
    await_window start "$START_TITLE"
    measure "$start" 568
    click_at $((584 + 73)) $((192 + 92))
    await_end 0
}

await_end() { # STATUS
    for _ in $(seq $((WAIT * 10))); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
    wait "$APP_PID"
    status=$?
    APP_PID=""
    [ "$status" -eq "$1" ] || fail "the program ended with $status, not $1"
}

kill_hard() {
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

# --- the state folder
copies() { find "$STATE" -type f 2>/dev/null | sed "s|^$STATE/session-[^/]*/||" | sort | tr '\n' ' '; }

expect_copies() { # WHAT ("" for none)
    [ "$(copies)" = "$1" ] || fail "the state folder holds '$(copies)', not '$1'"
}

# Waits until the copy of slot SLOT (1..4) holds TEXT.
await_copy() { # SLOT TEXT
    for _ in $(seq $((WAIT * 10))); do
        grep -qs -- "$2" "$STATE"/session-*/"プログラム$1.qvk" && return 0
        sleep 0.05
    done
    fail "no copy of slot $1 holding '$2'"
}

await_copies() { # WHAT
    for _ in $(seq $((WAIT * 10))); do
        [ "$(copies)" = "$1" ] && return 0
        sleep 0.05
    done
    fail "the state folder holds '$(copies)', not '$1'"
}

# The robot file BASE with LINE added to the end of its memo, as the editor saves it.
with_memo_line() { # BASE LINE OUT
    awk -v line="$2" 'BEGIN { ORS = "\n" } /^END\r?$/ { ends++; if (ends == 3) print line "\r" } { print }' \
        "$1" >"$3"
}

same_program() { # FILE EXPECTED
    timeout 10 "$CLI" read "$1" >"$WORK/read-a.txt" || fail "$1 does not read"
    timeout 10 "$CLI" read "$2" >"$WORK/read-b.txt" || fail "$2 does not read"
    cmp -s "$WORK/read-a.txt" "$WORK/read-b.txt" \
        || fail "$1 reads as $(cat "$WORK/read-a.txt"), not as $(cat "$WORK/read-b.txt")"
}

PRISTINE="$WORK/pristine.qvk"
BASE="$WORK/robot.qvk"
timeout 10 "$CLI" sample 1 1 -o "$PRISTINE" || fail "no sample file"
cp "$PRISTINE" "$BASE"

# --- a look only
start_program "$BASE"
expect_no_question
click_tab 1
click_tab 0
click_at $((733 + 26)) $((416 + 63 + 19)) # 文法
shot look
leave_editor
end_program
expect_copies ""
[ -d "$STATE" ] && fail "a look made the state folder"
echo "a look only: the state folder is not even made"

# The program has handled every key typed so far: the menu opened by a later key is up.
keys_handled() {
    open_menu alt+f
    xdotool key Escape
}

# --- kill -9 before the delay has passed
start_program "$BASE"
expect_no_question
type_memo "kill test 1"
keys_handled
kill_hard
expect_copies ""
echo "kill -9 before the delay: no copy"

# --- kill -9 after the delay: the copy made then comes back
start_program "$BASE"
expect_no_question
type_memo "kill test 2"
await_copy 1 "kill test 2"
expect_copies "programs.json プログラム1.qvk "
type_memo "lost"
keys_handled
kill_hard
grep -qs lost "$STATE"/session-*/プログラム1.qvk && fail "the copy holds what came after the delay"
with_memo_line "$PRISTINE" "kill test 2" "$WORK/expected2.qvk"
same_program "$STATE"/session-*/プログラム1.qvk "$WORK/expected2.qvk"
start_program
answer_question y restore-question
focus "$EDITOR"
xdotool key --clearmodifiers ctrl+s
await_copies ""
same_program "$BASE" "$WORK/expected2.qvk"
leave_editor
end_program
echo "kill -9 after the delay: asked, restored, 上書き保存 wrote the slot's own file"

# --- SIGTERM at once
cp "$PRISTINE" "$BASE"
start_program "$BASE"
expect_no_question
type_memo "kill test 3"
keys_handled
before_signal=$(copies)
kill -TERM "$APP_PID"
await_end 0
echo "SIGTERM: the state folder held '$before_signal' when the signal was sent"
expect_copies "programs.json プログラム1.qvk "
with_memo_line "$PRISTINE" "kill test 3" "$WORK/expected3.qvk"
start_program
answer_question y restore-after-sigterm
xdotool key --clearmodifiers ctrl+s
await_copies ""
same_program "$BASE" "$WORK/expected3.qvk"
leave_editor
end_program
echo "SIGTERM: the copy written at once, restored"

# --- END without saving, then with saving
cp "$PRISTINE" "$BASE"
start_program "$BASE"
expect_no_question
type_memo "not saved"
await_copy 1 "not saved"
leave_editor y
expect_copies ""
end_program
start_program "$BASE"
expect_no_question
type_memo "saved 6"
await_copy 1 "saved 6"
xdotool key --clearmodifiers ctrl+s
await_copies ""
leave_editor
end_program
expect_copies ""
grep -q "saved 6" "$BASE" || fail "上書き保存 did not write the file"
echo "END without and with saving: nothing left"

# --- two slots unsaved, a third saved as
start_program
expect_no_question
type_memo "slot one"
click_tab 1
type_memo "slot two"
click_tab 2
type_memo "slot three"
xdotool key --clearmodifiers ctrl+shift+s
answer_file_dialog '別名で保存' "$WORK/three.qvk"
await_copy 1 "slot one"
await_copy 2 "slot two"
await_copies "programs.json プログラム1.qvk プログラム2.qvk "
mkdir -p "$WORK/before"
cp "$STATE"/session-*/*.qvk "$WORK/before/"
kill_hard
start_program
answer_question y restore-two
kill -HUP "$APP_PID"
await_end 0
await_copies "programs.json プログラム1.qvk プログラム2.qvk "
[ "$(find "$STATE" -mindepth 1 -maxdepth 1 | wc -l)" -eq 1 ] || fail "the old folder stayed"
for slot in 1 2; do
    same_program "$STATE"/session-*/"プログラム$slot.qvk" "$WORK/before/プログラム$slot.qvk"
done
echo "two unsaved slots and a saved one: only the two came back, in their slots (SIGHUP kept them)"

# --- いいえ twice
start_program
answer_question n refuse-once
leave_editor
end_program
await_copies "programs.json プログラム1.qvk プログラム2.qvk "
start_program
answer_question n refuse-twice
await_copies ""
leave_editor
end_program
echo "いいえ kept the copies; the second いいえ removed them"

# --- the desktop's end of session, through a real X session manager (xsm, with no window
# manager: its windows stand where it puts them)
cp "$PRISTINE" "$BASE"
echo "$APP $BASE" >"$HOME/.xsmstartup"
xsm >"$WORK/xsm.log" 2>&1 &
XSM_PID=$!
await_window EDITOR "$EDITOR_TITLE"
APP_PID=$(xdotool getwindowpid "$EDITOR") # xsm's child
expect_no_question
type_memo "session end"
keys_handled
await_window XSM 'xsm: Default'
eval "$(xdotool getwindowgeometry --shell "$XSM" | sed 's/^/XSM_/')"
# Shutdown > With Checkpoint: a menu that is held open while the button is down.
xdotool mousemove $((XSM_X + 122)) $((XSM_Y + 38)) mousedown 1
sleep 0.3
xdotool mousemove $((XSM_X + 130)) $((XSM_Y + 57))
sleep 0.1
xdotool mouseup 1
await_window DIALOG 'Shutdown'
eval "$(xdotool getwindowgeometry --shell "$DIALOG" | sed 's/^/DIALOG_/')"
focus "$DIALOG"
xdotool mousemove $((DIALOG_X + 151)) $((DIALOG_Y + 16)) click 1
xdotool type --window "$DIALOG" lesson
shot session-end
xdotool mousemove $((DIALOG_X + 31)) $((DIALOG_Y + 111)) click 1
for _ in $(seq $((WAIT * 10))); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "the end of the session did not end the program"
APP_PID=""
grep -q "Session management error" "$WORK/xsm.log" \
    && fail "the program was not connected to the session manager"
expect_copies "programs.json プログラム1.qvk "
with_memo_line "$PRISTINE" "session end" "$WORK/expected-session.qvk"
same_program "$STATE"/session-*/プログラム1.qvk "$WORK/expected-session.qvk"
stop_pid "$XSM_PID"
XSM_PID=""
start_program
answer_question y restore-after-session-end
xdotool key --clearmodifiers ctrl+s
await_copies ""
same_program "$BASE" "$WORK/expected-session.qvk"
leave_editor
end_program
echo "the desktop's end of session: the work kept, the program ended without a question"
exit 0
