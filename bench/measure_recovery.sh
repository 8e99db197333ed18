#!/usr/bin/env bash
# How often the real program writes the copy of an unsaved program while a child places 50
# icons, at a few paces (seconds between two icons), on a private Xvfb with a private home. Each
# write replaces the copy file, so a new inode is one write; the file is watched every 20 ms.
# Usage: bench/measure_recovery.sh [BUILD_DIR] [PACE...]   (default paces: 1 2.5 3 child)
# "child" is a fixed sequence of pauses between 1 and 6 s, as a child thinking between icons.
set -euo pipefail
build=${1:-build}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] || set -- 1 2.5 3 child
paces=("$@")
app="$build/src/app/zuvomatic"
[ -x "$app" ] || { echo "no $app: build first" >&2; exit 2; }

. "$(dirname "$0")/../tests/support/private_session.sh"
private_session_begin
trap 'stop_pid "${pid:-}"; stop_pid "${watcher:-}"; private_session_end' EXIT
private_display 1024x768 93 || { echo "no Xvfb" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=
state="$HOME/.local/state/zuvomatic"

window() { timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
client_click() { # WINDOW X Y
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + HEIGHT - 568 + $3)) click 1
}

# Pauses of a child: 1 to 6 s, a fixed sequence so that runs compare.
child_pause() { # N
    local p=(1.2 3.5 1.8 2.4 1.1 5.0 1.6 2.9 1.3 4.2)
    echo "${p[$(($1 % 10))]}"
}

for pace in "${paces[@]}"; do
    rm -rf "$state"
    "$app" >>"$WORK/app.log" 2>&1 &
    pid=$!
    start=$(window 'Ｚｕｖｏｍａｔｉｃ　メニュー')
    client_click "$start" 129 284 # GO!
    editor=$(window 'Zuvomatic 編集')
    (
        last=""
        count=0
        while :; do
            inode=$(stat -c %i "$state"/session-*/プログラム1.qvk 2>/dev/null || true)
            if [ -n "$inode" ] && [ "$inode" != "$last" ]; then
                count=$((count + 1))
                echo "$count $(date +%s.%N)" >>"$WORK/writes-$pace"
                last=$inode
            fi
            sleep 0.02
        done
    ) &
    watcher=$!
    placed=0
    t0=$(date +%s.%N)
    for m in 0 1 3 4 5 6; do
        for k in 2 3 4 5 6 7 8 9 10; do
            [ "$placed" -lt 50 ] || break 2
            client_click "$editor" 212 462                         # 前進 in the tray
            client_click "$editor" $((33 + 59 * k)) $((25 + 59 * m)) # an icon cell
            placed=$((placed + 1))
            [ "$pace" = child ] && sleep "$(child_pause "$placed")" || sleep "$pace"
        done
    done
    t1=$(date +%s.%N)
    sleep 3 # the last write comes 2 s after the last icon
    stop_pid "$watcher"
    writes=$(wc -l <"$WORK/writes-$pace" 2>/dev/null || echo 0)
    printf 'pace %-5s: 50 icons in %5.1f s, %d writes of the copy\n' "$pace" \
        "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')" "$writes"
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    # The copy SIGTERM left: BEGIN, END and the 50 icons, one line each after the first END.
    icons=$(awk '/^END\r?$/ { ends++; next } ends == 1 { n++ } END { print n + 0 }' \
        "$state"/session-*/プログラム1.qvk)
    echo "            the copy holds $icons icons"
done
