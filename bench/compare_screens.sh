#!/usr/bin/env bash
# Shows that two builds draw the same: screenshots of the program of each build on a private
# virtual screen (the start screen at 100 % and 200 %, its balloon, the editor after GO!, the
# help window, the sample chooser and the editor it opens with sample step 4), compared pixel for
# pixel (ImageMagick's `compare -metric AE`, the number of differing pixels, must be 0).
# Usage: bench/compare_screens.sh BEFORE_PROGRAM AFTER_PROGRAM OUTDIR
#   (each PROGRAM a zuvomatic executable; OUTDIR receives NAME-before.png, NAME-after.png and
#   NAME-diff.png for each picture; SCALES="1 1.25 1.5 2 1.75" for other screen scales than
#   100 % and 200 %). Exit status 1 when any picture differs.
set -euo pipefail
before=$(realpath "$1")
after=$(realpath "$2")
out=$(realpath -m "$3")
mkdir -p "$out"
cd "$(dirname "$0")/.."
. tests/support/private_session.sh
private_screenshot_session 3840x2160 73
export QT_QPA_PLATFORM=xcb

await() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
shot() { # WINDOW FILE: the window's own area
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}
box() { # WINDOW N SCALE: the middle of start box N on the screen (client 792 x 568 under the menus)
    eval "$(xdotool getwindowgeometry --shell "$1")"
    awk -v x="$X" -v y="$Y" -v h="$HEIGHT" -v n="$2" -v s="$3" \
        'BEGIN { printf "%d %d\n", x + (129 + 176 * n) * s, y + h - (568 - 284) * s }'
}

take() { # PROGRAM SUFFIX
    local program=$1 suffix=$2 start
    for scale in ${SCALES:-1 2}; do
        QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
        PROGRAM_PID=$!
        start=$(await 'Ｚｕｖｏｍａｔｉｃ　メニュー')
        sleep 1
        shot "$start" "$out/start-$scale-$suffix.png"
        # Pointing at GO! shows its balloon.
        xdotool mousemove --sync $(box "$start" 0 "$scale")
        sleep 0.5
        shot "$start" "$out/balloon-$scale-$suffix.png"
        xdotool click 1
        sleep 2
        shot "$(await 'Zuvomatic 編集')" "$out/editor-$scale-$suffix.png"
        xdotool mousemove 0 0
        stop_pid "$PROGRAM_PID"
        PROGRAM_PID=
    done
    for window in help samples; do
        "$program" >/dev/null 2>&1 &
        PROGRAM_PID=$!
        start=$(await 'Ｚｕｖｏｍａｔｉｃ　メニュー')
        sleep 0.5
        if [ "$window" = help ]; then
            xdotool mousemove --sync $(box "$start" 2 1) click 1
            sleep 1.5
            shot "$(await 'Ｚｕｖｏｍａｔｉｃ　説明')" "$out/$window-$suffix.png"
        else
            xdotool mousemove --sync $(box "$start" 1 1) click 1
            sleep 1.5
            local chooser
            chooser=$(await 'Ｚｕｖｏｍａｔｉｃ　サンプル')
            shot "$chooser" "$out/$window-$suffix.png"
            # Step 4 (client 480, 200, 147 x 122) opens the editor with its sample programs.
            eval "$(xdotool getwindowgeometry --shell "$chooser")"
            xdotool mousemove --sync $((X + 553)) $((Y + HEIGHT - 568 + 261))
            sleep 0.5
            xdotool click 1
            sleep 2
            shot "$(await 'Zuvomatic 編集')" "$out/editor-sample-$suffix.png"
        fi
        xdotool mousemove 0 0
        stop_pid "$PROGRAM_PID"
        PROGRAM_PID=
    done
}

take "$before" before
take "$after" after
differing=0
for picture in "$out"/*-before.png; do
    name=$(basename "$picture" -before.png)
    pixels=$(compare -metric AE "$picture" "$out/$name-after.png" "$out/$name-diff.png" 2>&1 || true)
    echo "$name: $pixels differing pixels"
    [ "$pixels" = 0 ] || differing=1
done
exit "$differing"
