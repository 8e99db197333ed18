#!/usr/bin/env bash
# Measures the pictures of two programs the reader accepts: the largest (every line cell, 100
# icons, 10,900 one-character memo lines) and sample (4)-1 with a memo of 32,000 characters.
#   - zuvomatic-cli render to PNG, SVG and PDF: time, peak memory, size of the picture;
#   - each PNG read back by `zuvomatic-cli read` as the same program as its robot file;
#   - with Xvfb and xdotool, 画像として保存 in the real editor started with the file: the time
#     from the dialog's Enter until the file is there, and the editor's peak memory.
# Usage: bench/measure_pictures.sh [BUILD_DIR]   (needs /usr/bin/time, iconv)
set -euo pipefail
build=$(realpath "${1:-build}")
cli=$build/src/cli/zuvomatic-cli
app=$build/src/app/zuvomatic
[ -x "$cli" ] || { echo "no $cli: build first" >&2; exit 2; }
work=$(mktemp -d)
xvfb=""
app_pid=""
cleanup() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

crlf() { sed 's/$/\r/'; }

# --- the largest program: every connector cell, 100 icons, 10,900 memo lines
{
    echo "Quorvel50 J"
    awk 'BEGIN {
        n = 0; line = ""
        for (y = 0; y < 59; y++) for (x = 0; x < 99; x++) {
            if ((x % 2) + (y % 2) != 1) continue
            line = line (n % 20 ? "," : "") " " (x + 99 * y) " "
            if (++n % 20 == 0) { print line; line = "" }
        }
        print line
    }'
    echo END
    awk 'BEGIN { for (i = 0; i < 100; i++) print " " (2 * (i % 50) + 99 * 2 * int(i / 50)) " ,22 3=Ａ 1 ＋ &H00FFFFFF" }'
    echo END
    for _ in $(seq 10900); do echo "x"; done
    printf 'END\n 0 \n 0 \n'
} | crlf | iconv -f UTF-8 -t CP932 >"$work/largest.qvk"

# --- sample (4)-1 with a memo of 32,000 characters on one line
"$cli" sample 4 1 -o "$work/s41.qvk" >/dev/null
memo="$(printf 'ロボットが動く%.0s' $(seq 4571))ロボッ" # 7 x 4571 + 3 = 32,000 characters
{
    iconv -f CP932 -t UTF-8 "$work/s41.qvk" | tr -d '\r' | awk '{ print } /^END$/ && ++ends == 2 { exit }'
    echo "$memo"
    printf 'END\n 0 \n 0 \n'
} | crlf | iconv -f UTF-8 -t CP932 >"$work/longmemo.qvk"

printf '%-10s %-4s %8s %10s %12s  %s\n' file kind seconds "peak MB" bytes "read back"
for name in largest longmemo; do
    file=$work/$name.qvk
    "$cli" read "$file" >"$work/$name.read" || { echo "$name.qvk is refused" >&2; exit 1; }
    for kind in png svg pdf; do
        out=$work/$name.$kind
        /usr/bin/time -f '%e %M' -o "$work/time" "$cli" render "$file" -o "$out" >/dev/null
        read -r seconds kb <"$work/time"
        back="-"
        if [ "$kind" = png ]; then
            back="differs"
            "$cli" read "$out" >"$work/back.read" 2>&1 && cmp -s "$work/back.read" "$work/$name.read" \
                && back="the same program"
            pixels=$(file "$out" | grep -oE '[0-9]+ x [0-9]+' || true)
            back="$back ($pixels)"
        fi
        printf '%-10s %-4s %8s %10s %12s  %s\n' "$name" "$kind" "$seconds" "$((kb / 1024))" \
            "$(stat -c %s "$out")" "$back"
    done
done

# --- 画像として保存 in the editor
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "no Xvfb or xdotool: the editor is not measured"
    exit 0
fi
export DISPLAY=:93 QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
await() { # TITLE
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 && return 0
        sleep 0.1
    done
    echo "no window $1" >&2
    return 1
}
for name in largest longmemo; do
    "$app" "$work/$name.qvk" >"$work/app.log" 2>&1 &
    app_pid=$!
    editor=$(await 'Zuvomatic 編集')
    xdotool windowfocus --sync "$editor"
    sleep 1 # the file opens after the window's first showing
    before=$(awk '/VmHWM/ { print $2 }' "/proc/$app_pid/status")
    xdotool key --clearmodifiers alt+f g
    dialog=$(await '画像として保存')
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$work/editor-$name.png"
    t0=$(date +%s%N)
    xdotool key Return
    until [ -s "$work/editor-$name.png" ]; do sleep 0.01; done
    t1=$(date +%s%N)
    after=$(awk '/VmHWM/ { print $2 }' "/proc/$app_pid/status")
    back=differs
    "$cli" read "$work/editor-$name.png" >"$work/back.read" 2>&1 \
        && cmp -s "$work/back.read" "$work/$name.read" && back="the same program"
    printf '%-10s editor 画像として保存: %d ms, peak memory %d MB (before %d MB), %d bytes, read back: %s\n' \
        "$name" $(((t1 - t0) / 1000000)) $((after / 1024)) $((before / 1024)) \
        "$(stat -c %s "$work/editor-$name.png")" "$back"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
done
