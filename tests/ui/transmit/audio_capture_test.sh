#!/usr/bin/env bash
# Hears the signal exactly: starts a private PulseAudio whose only sink writes the signal's own
# format (8-bit unsigned, mono, 24000 Hz) into a FIFO, plays every sendable built-in sample
# through it with zuvomatic-cli, and compares what was heard with what was rendered. Then runs
# the transmission window's live tests against the same server.
#
# usage: audio_capture_test.sh ZUVOMATIC_CLI [TRANSMIT_TESTS]
# Exit 0 passed, 1 failed, 77 skipped (pulseaudio not installed).
set -u

CLI=${1:?usage: audio_capture_test.sh ZUVOMATIC_CLI [TRANSMIT_TESTS]}
TESTS=${2:-}
EXPECTED_SAMPLES=13

if ! command -v pulseaudio >/dev/null 2>&1; then
    echo "pulseaudio is not installed: skipped"
    exit 77
fi

. "$(dirname "$0")/../../support/private_session.sh"
private_session_begin
READER=""

stop_reader() {
    stop_pid "$READER"
    READER=""
}

cleanup() {
    stop_reader
    private_session_end
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

private_sound_server || fail "the private sound server did not start"

played=0
for set in 1 2 3 4 5; do
    for slot in 1 2 3 4; do
        name="sample $set/$slot"
        file="$WORK/s$set$slot.qvk"
        timeout 10 "$CLI" sample "$set" "$slot" -o "$file" || fail "$name: not written"
        if ! timeout 10 "$CLI" compile "$file" >"$WORK/image.txt" 2>/dev/null; then
            continue # not a sendable program
        fi
        played=$((played + 1))
        timeout 10 "$CLI" wav "$file" -o "$WORK/rendered.wav" || fail "$name: no WAV"
        tail -c +45 "$WORK/rendered.wav" >"$WORK/rendered.raw"

        cat "$FIFO" >"$WORK/captured.raw" &
        READER=$!
        timeout 30 "$CLI" play "$file" >/dev/null || fail "$name: play failed"
        trimmed_samples "$WORK/rendered.raw" >"$WORK/rendered.txt"
        [ -s "$WORK/rendered.txt" ] || fail "$name: nothing rendered"
        # The sink may still be passing the last samples on when the player has ended: wait for
        # as many as were rendered (bounded), then compare.
        for _ in $(seq 50); do
            [ "$(trimmed_samples "$WORK/captured.raw" | wc -l)" -ge "$(wc -l <"$WORK/rendered.txt")" ] && break
            sleep 0.1
        done
        stop_reader

        heard_exactly "$CLI" "$WORK/captured.raw" "$WORK/rendered.txt" "$WORK/image.txt" \
            || fail "$name: $HEARD_PROBLEM"
        echo "$name: $(wc -l <"$WORK/rendered.txt") samples heard exactly"
    done
done
[ "$played" -eq "$EXPECTED_SAMPLES" ] || fail "$played sendable samples, expected $EXPECTED_SAMPLES"

if [ -n "$TESTS" ]; then
    cat "$FIFO" >/dev/null &
    READER=$!
    ZUVO_LIVE_AUDIO=1 QT_QPA_PLATFORM=offscreen timeout 90 "$TESTS" --gtest_filter='LivePlayback.*' \
        || fail "the transmission window's live tests"
    stop_reader
fi
echo "all $played samples heard exactly"
exit 0
