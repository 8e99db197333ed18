#!/usr/bin/env bash
# What the receiver hears through: the WAV of the smallest and of the largest program, with
# 0.3 s of silence around it, passed through what a cable, a loudspeaker and a microphone do to
# a signal (sox), brought back to 8-bit mono at 24000 Hz and decoded. Every case must decode to
# exactly the bytes compile prints; noise, silence and a cut-off frame must be refused. Prints
# the table that docs/ROBOT.md shows.
#
# usage: receiver_tolerance_test.sh ZUVOMATIC_CLI
# Exit 0 passed, 1 failed, 77 skipped (sox not installed).
set -u

CLI=${1:?usage: receiver_tolerance_test.sh ZUVOMATIC_CLI}
command -v sox >/dev/null 2>&1 || { echo "sox is not installed: skipped"; exit 77; }
. "$(dirname "$0")/../../support/test_programs.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# label | what is done to the signal: sox effects, "noise LEVEL" (white noise mixed in),
# "click GAP" (a 1 ms click GAP samples before the frame) or "recording" (all of it at once)
CASES=(
    "48000 Hz and back|rate 48000"
    "44100 Hz and back|rate 44100"
    "inverted|vol -1"
    "DC offset 0.3|dcshift 0.3"
    "level 15 %|vol 0.15"
    "level 3 %|vol 0.03"
    "clock +3 %|speed 1.03"
    "clock -3 %|speed 0.97"
    "clock +5 %|speed 1.05"
    "clock -5 %|speed 0.95"
    "low-pass 3500 Hz|lowpass 3500"
    "low-pass 2500 Hz|lowpass 2500"
    "high-pass 300 Hz|highpass 300"
    "high-pass 1000 Hz|highpass 1000"
    "echo 1 ms at 0.3|echo 0.5 1 1 0.15"
    "echo 5 ms at 0.3|echo 0.5 1 5 0.15"
    "echo 5.25 ms at 0.3|echo 0.5 1 5.25 0.15"
    "echo 10 ms at 0.3|echo 0.5 1 10 0.15"
    "echo 20 ms at 0.4|echo 0.5 1 20 0.2"
    "white noise 0.2|noise 0.2"
    "white noise 0.4|noise 0.4"
    "click right before|click 0"
    "click 5 ms before|click 120"
    "recording: 3500-300 Hz, +3 %, 15 %, noise 0.02|recording"
)

failed=0
report() { # PROGRAM LABEL RESULT
    printf '| %-8s | %-48s | %s |\n' "$1" "$2" "$3"
}

# Decodes IN (any WAV) as the robot would hear it; prints the first line or the refusal.
hear() { # IN
    sox -V1 "$1" -r 24000 -c 1 -b 8 -e unsigned "$WORK/heard.wav" 2>/dev/null
    timeout 30 "$CLI" decode "$WORK/heard.wav" >"$WORK/decoded.txt" 2>&1
}

# A 1 ms click (a full-scale step up and down) GAP samples before the signal.
with_click() { # IN GAP OUT
    sox -V1 "$1" -t raw -r 24000 -c 1 -b 8 -e unsigned "$WORK/plain.raw"
    local lead=7200 # the 0.3 s of silence
    {
        head -c $((lead - 24 - $2)) "$WORK/plain.raw"
        printf '\377\377\377\377\377\377\377\377\377\377\377\377'
        printf '\000\000\000\000\000\000\000\000\000\000\000\000'
        tail -c +$((lead - $2 + 1)) "$WORK/plain.raw"
    } >"$WORK/click.raw"
    sox -V1 -t raw -r 24000 -c 1 -b 8 -e unsigned "$WORK/click.raw" "$3"
}

with_noise() { # IN LEVEL OUT
    sox -V1 -n -r 24000 -c 1 -b 16 "$WORK/noise.wav" synth "$(soxi -D "$1")" whitenoise vol "$2"
    sox -V1 -m -v 1 "$1" -v 1 "$WORK/noise.wav" "$3" 2>/dev/null
}

echo "| program  | what the signal went through                      | decoded |"
echo "|---|---|---|"
for program in smallest largest; do
    "${program}_program" "$WORK/$program.qvk"
    "$CLI" compile "$WORK/$program.qvk" >"$WORK/image.txt" || { echo "FAILED: $program does not compile"; exit 1; }
    "$CLI" wav "$WORK/$program.qvk" -o "$WORK/plain.wav" || exit 1
    sox -V1 "$WORK/plain.wav" -b 16 "$WORK/base.wav" pad 0.3 0.3
    for row in "${CASES[@]}"; do
        label=${row%%|*}
        what=${row#*|}
        case $what in
        noise\ *) with_noise "$WORK/base.wav" "${what#noise }" "$WORK/sent.wav" ;;
        click\ *) with_click "$WORK/base.wav" "${what#click }" "$WORK/sent.wav" ;;
        recording)
            sox -V1 "$WORK/base.wav" "$WORK/filtered.wav" lowpass 3500 highpass 300 speed 1.03 vol 0.15
            with_noise "$WORK/filtered.wav" 0.02 "$WORK/sent.wav" ;;
        *) sox -V1 "$WORK/base.wav" "$WORK/sent.wav" $what 2>/dev/null ;;
        esac
        if hear "$WORK/sent.wav" && head -n 1 "$WORK/decoded.txt" | cmp -s - "$WORK/image.txt"; then
            report "$program" "$label" "byte-exact"
        else
            report "$program" "$label" "FAILED: $(tail -n 1 "$WORK/decoded.txt")"
            failed=1
        fi
    done
    # What is no frame is refused.
    sox -V1 -n -r 24000 -c 1 -b 16 "$WORK/noise-only.wav" synth 2 whitenoise vol 0.5
    sox -V1 -n -r 24000 -c 1 -b 16 "$WORK/silence.wav" trim 0 2
    sox -V1 "$WORK/base.wav" "$WORK/cut.wav" trim 0 "$(soxi -D "$WORK/plain.wav" | awk '{ print 0.3 + 0.7 * $1 }')"
    for refused in noise-only silence cut; do
        if hear "$WORK/$refused.wav"; then
            report "$program" "$refused" "FAILED: accepted"
            failed=1
        else
            report "$program" "$refused" "refused: $(tail -n 1 "$WORK/decoded.txt" | sed 's/.*: //')"
        fi
    done
done
exit $failed
