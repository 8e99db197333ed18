# Driving the real program's windows with xdotool on a private display, for the scripts that
# source tests/support/private_session.sh. Sourced, not run. The script defines fail (reports and
# exits), shot (a screenshot; may do nothing) and WAIT (seconds allowed for a window or a file);
# open_menu counts the windows of APP_PID.

# Waits for the visible window whose title is exactly TITLE and puts its id into VAR (no
# command substitution: a failure must end this script, not a subshell).
await_window() { # VAR TITLE
    local id
    id=$(timeout "$WAIT" xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || fail "no window \"$2\" within $WAIT s"
    printf -v "$1" '%s' "$id"
}

# Waits until no visible window has the title TITLE.
await_gone() { # TITLE
    for _ in $(seq $((WAIT * 10))); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" still open after $WAIT s"
}

# Sets WX, WY (screen position of the window) and MENU (the menu bar's height above a client
# area of CLIENT_HEIGHT pixels).
measure() { # WINDOW CLIENT_HEIGHT
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WX=$X
    WY=$Y
    MENU=$((HEIGHT - $2))
    [ "$MENU" -ge 0 ] && [ "$MENU" -lt 80 ] || fail "unexpected window height $HEIGHT"
}

# Moves the pointer to screen position (X, Y). A synchronous move to where the pointer already
# is would wait for a motion that never comes.
move_to() { # X Y
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    if [ "$X" != "$1" ] || [ "$Y" != "$2" ]; then
        timeout 5 xdotool mousemove --sync "$1" "$2" || fail "the pointer does not reach ($1, $2)"
    fi
}

# Clicks at client position (X, Y) of the measured window.
click_at() { # X Y
    move_to $((WX + $1)) $((WY + MENU + $2))
    xdotool click 1
}

focus() { # WINDOW
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Types a path into the file dialog titled TITLE and accepts it.
answer_file_dialog() { # TITLE PATH
    local dialog
    await_window dialog "$1"
    focus "$dialog"
    # The one fixed wait: the dialog fills its folder list after it is shown, and nothing outside
    # the program tells when it is done; keys typed before that can be lost.
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 15 "$2"
    shot "dialog-$(basename "$2")"
    xdotool key Return
    await_gone "$1"
}

# Waits until FILE is there; the program writes its files whole, under their name at the end.
await_file() { # FILE
    for _ in $(seq $((WAIT * 10))); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}

# Opens a menu of the focused window with KEY (alt+t) and waits until its popup is shown: the
# program's visible windows grow by one.
open_menu() { # KEY
    local before
    before=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)
    xdotool key --clearmodifiers "$1"
    for _ in $(seq $((WAIT * 10))); do
        [ "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)" -gt "$before" ] && return 0
        sleep 0.1
    done
    fail "the menu of $1 did not open"
}
