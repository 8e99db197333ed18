#!/usr/bin/env bash
# The check of the output before sending and of what it played after, on a private PulseAudio
# null sink (48000 Hz, 16-bit, stereo) set up as a PC's output can be: at 100 %, muted, at 30 %,
# at 10 %, a Bluetooth device, and no output at all. For each, `zuvomatic-cli output` and
# `zuvomatic-cli play` exit and say what the table below expects, and the editor (the live test
# of EDITOR_TESTS) asks about the output before sending, or sends at once when nothing is wrong.
# Last, a sound server that is not there and one that never answers.
#
# usage: output_check_test.sh ZUVOMATIC_CLI [EDITOR_TESTS]
# Exit 0 passed, 1 failed, 77 skipped (pulseaudio not installed).
set -u

CLI=${1:?usage: output_check_test.sh ZUVOMATIC_CLI [EDITOR_TESTS]}
EDITOR_TESTS=${2:-}
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped"; exit 77; }
done
SUPPORT="$(dirname "$0")/../support"
. "$SUPPORT/private_session.sh"
. "$SUPPORT/test_programs.sh"
private_session_begin
trap private_session_end EXIT

sink_format="rate=48000 channels=2 format=s16le"
if ! timeout 20 pulseaudio -n -D --exit-idle-time=-1 --disallow-exit --log-level=error \
    -L module-native-protocol-unix -L "module-null-sink sink_name=speaker $sink_format norewinds=1" \
    -L "module-null-sink sink_name=headset $sink_format norewinds=1 sink_properties=device.bus=bluetooth" \
    2>"$WORK/pulseaudio.log"; then
    cat "$WORK/pulseaudio.log"
    exit 1
fi
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
    sleep 0.1
done
smallest_program "$WORK/s.qvk"

# case | how the output is set up | output: exit, what err says | play: exit, what it says |
# the editor's live test (- for none)
CASES=(
    "100 %|speaker 100% 0|0||0|聞き取って確かめました|fine"
    "muted|speaker 100% 1|1|ミュート|1|ミュート|muted"
    "30 %|speaker 30% 0|0|警告: 音量が30％|0|聞き取って確かめました|quiet"
    "10 %: the monitor hears nothing|speaker 10% 0|0|警告: 音量が10％|1|聞き取れませんでした|-"
    "Bluetooth|headset 100% 0|0|警告: 音の出力先がBluetooth機器|0|聞き取って確かめました|bluetooth"
    "no output|none|1|見つかりません|1|見つかりません|-"
)

failed=0
for row in "${CASES[@]}"; do
    IFS='|' read -r label setup output_code output_says play_code play_says editor <<<"$row"
    read -r sink volume mute <<<"$setup"
    if [ "$sink" = none ]; then
        pactl unload-module module-null-sink
    else
        pactl set-default-sink "$sink"
        pactl set-sink-volume "$sink" "$volume"
        pactl set-sink-mute "$sink" "$mute"
    fi
    timeout 20 "$CLI" output >"$WORK/output.out" 2>"$WORK/output.err"
    got_output=$?
    timeout 20 "$CLI" play "$WORK/s.qvk" >"$WORK/play.out" 2>"$WORK/play.err"
    got_play=$?
    problem=""
    [ "$got_output" -eq "$output_code" ] || problem="output exited $got_output"
    if [ -n "$output_says" ]; then
        grep -qF "$output_says" "$WORK/output.err" || problem="$problem; output said: $(cat "$WORK/output.err")"
    elif [ -s "$WORK/output.err" ]; then
        problem="$problem; output warned"
    fi
    [ "$got_play" -eq "$play_code" ] || problem="$problem; play exited $got_play"
    grep -qF "$play_says" "$WORK/play.out" "$WORK/play.err" \
        || problem="$problem; play said: $(cat "$WORK/play.out" "$WORK/play.err")"
    # Sent is said only when it was.
    if [ "$play_code" -ne 0 ] && grep -q "送信は終わりました" "$WORK/play.out"; then
        problem="$problem; play reported the program as sent"
    fi
    editor_result="-"
    if [ -n "$EDITOR_TESTS" ] && [ "$editor" != - ]; then
        if ZUVO_LIVE_OUTPUT=$editor QT_QPA_PLATFORM=offscreen timeout 60 "$EDITOR_TESTS" \
            --gtest_filter='LiveOutput.*' >"$WORK/editor.log" 2>&1; then
            editor_result="asks as expected"
        else
            editor_result="FAILED"
            problem="$problem; the editor: $(grep -E 'Failure|Expected|actual|Which' "$WORK/editor.log" | head -n 4)"
        fi
    fi
    printf '| %-32s | output %s: %s | play %s: %s | editor: %s |\n' "$label" "$got_output" \
        "$(tr '\n' ' ' <"$WORK/output.err")" "$got_play" \
        "$(cat "$WORK/play.err" "$WORK/play.out" | tr '\n' ' ')" "$editor_result"
    if [ -n "$problem" ]; then
        echo "FAILED: $label: $problem"
        failed=1
    fi
done

# No server at all, and one that accepts but never answers (frozen): the reason is said in
# Japanese (libpulse's own texts are English), and a frozen server is not called fine ("OK").
python3 -c "import socket, time
s = socket.socket(socket.AF_UNIX); s.bind('$WORK/frozen'); s.listen(8); time.sleep(60)" &
frozen=$!
for _ in $(seq 50); do [ -S "$WORK/frozen" ] && break; sleep 0.1; done
for row in "unix:$WORK/nothing-here|サウンドサーバーが動いていません" \
    "unix:$WORK/frozen|サウンドサーバーが応答しません"; do
    IFS='|' read -r server expected <<<"$row"
    PULSE_SERVER=$server timeout 20 "$CLI" output 2>"$WORK/output.err"
    got=$?
    printf '| %-32s | output %s: %s |\n' "$server" "$got" "$(cat "$WORK/output.err")"
    if [ "$got" -ne 1 ] || ! grep -qF "音声出力装置が見つかりません（$expected）。" "$WORK/output.err"; then
        echo "FAILED: $server"
        failed=1
    fi
done
kill "$frozen" 2>/dev/null
exit $failed
