#!/usr/bin/env bash
# The single-instance rule on the real program, on a private virtual display, in a mount namespace
# of its own (tmpfs over /tmp and /run/user, so the program's own folder /tmp/zuvomatic-UID is the
# test's): whatever stands where the lock goes, a start never blocks (every copy shows a window
# within WAIT s), and exactly one copy runs where one should:
#   twenty copies started at once; a FIFO, a folder, a dangling link and a link to a folder at the
#   lock's place; the user's own stale lock of mode 000 and 444 (as an ordinary account, for whom
#   permissions count); a file of another account at the lock's place; the runtime folder full or
#   read-only (the lock goes to the program's own folder); no XDG_RUNTIME_DIR; another $USER, two
#   working folders, a TMPDIR that does not exist; and where no folder can take a lock (the
#   program's own folder planted by another account), the program starts and says so.
# usage: instancelock_test.sh ZUVOMATIC
# Exit 0 passed, 1 failed, 77 skipped (not the administrator, or no Xvfb or xdotool).
set -u

APP=$(realpath "${1:?usage: instancelock_test.sh ZUVOMATIC}")
WAIT=30
OTHER=zuvolocktest # the second account, made for the test and removed after it

if [ "$(id -u)" -ne 0 ]; then
    echo "needs the administrator (a mount namespace, a second account): skipped"
    exit 77
fi
for tool in Xvfb xdotool unshare setpriv useradd; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped"; exit 77; }
done
if [ -z "${ZUVO_LOCK_NAMESPACE:-}" ]; then
    ZUVO_LOCK_NAMESPACE=1 exec unshare --mount --propagation private "$0" "$@"
fi
# The tree and the build may lie under /tmp themselves (a clone there), where the fresh /tmp hides
# them and the ordinary account below may not reach. The program links no library of the build
# and needs none of its modules for the start screen: it and the session helpers are copied into
# the namespace's own /run/user first.
mkdir -p /run/user && mount -t tmpfs tmpfs /run/user
KIT=/run/user/.zuvo-instancelock
mkdir -m 755 "$KIT"
cp "$APP" "$KIT/zuvomatic" && APP=$KIT/zuvomatic
cp "$(dirname "$0")/../support/private_session.sh" "$KIT/"
mount -t tmpfs tmpfs /tmp || { echo "FAILED: cannot mount a tmpfs on /tmp" >&2; exit 1; }

. "$KIT/private_session.sh"
private_session_begin
export QT_QPA_PLATFORM=xcb
PIDS=()
MADE_USER=""
cleanup() {
    for pid in "${PIDS[@]}"; do stop_pid "$pid"; done
    [ -z "$WORK" ] || umount "$WORK/full" "$WORK/readonly" 2>/dev/null
    private_session_end
    [ -z "$MADE_USER" ] || userdel "$OTHER" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
    echo "FAILED: $*" >&2
    tail -n 20 "$WORK/app.log" >&2
    exit 1
}
if ! private_display 1024x768 96; then
    cat "$WORK/xvfb.log" >&2
    echo "Xvfb cannot run here: skipped"
    exit 77
fi
if ! id "$OTHER" >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin "$OTHER" || fail "useradd $OTHER"
    MADE_USER=1
fi
OTHER_UID=$(id -u "$OTHER")
RUNTIME=$XDG_RUNTIME_DIR
LOCK=$RUNTIME/zuvomatic-0.lock
OWN=/tmp/zuvomatic-0

# Starts a copy (with the environment words given, e.g. USER=x) and puts its process id into
# LAST; it runs in the current folder.
start() {
    env "$@" "$APP" >>"$WORK/app.log" 2>&1 &
    LAST=$!
    PIDS+=("$LAST")
}

# What the copy PID shows, once it shows anything: "running" (the start screen), "noted" (the
# start screen and the note that the rule is off) or "refused" ("既に起動されています").
# "nothing" when WAIT seconds pass without a window: the start blocked.
shown_by() { # PID
    local find=(xdotool search --all --onlyvisible --pid "$1" --name)
    for _ in $(seq $((WAIT * 10))); do
        if "${find[@]}" '^Ｚｕｖｏｍａｔｉｃ　メニュー$' >/dev/null 2>&1; then
            if "${find[@]}" '^Zuvomatic　起動の確認$' >/dev/null 2>&1; then
                echo noted
            else
                echo running
            fi
            return
        fi
        "${find[@]}" '^Zuvomatic$' >/dev/null 2>&1 && { echo refused; return; }
        kill -0 "$1" 2>/dev/null || { echo ended; return; }
        sleep 0.1
    done
    echo nothing
}

expect() { # PID WHAT CASE
    local seen
    seen=$(shown_by "$1")
    [ "$seen" = "$2" ] || fail "$3: the copy shows \"$seen\", expected \"$2\""
}

stop_all() {
    for pid in "${PIDS[@]}"; do stop_pid "$pid"; done
    PIDS=()
}

# One copy runs (WHAT: running or noted) and a second is refused. Each is started with the
# environment words in FIRST and SECOND (env's -u NAME, NAME=VALUE).
FIRST=()
SECOND=()
one_runs() { # CASE WHAT
    local first
    start "${FIRST[@]}"
    first=$LAST
    expect "$first" "$2" "$1"
    start "${SECOND[@]}"
    expect "$LAST" refused "$1 (second copy)"
    # The first copy has had time to show any note; it must still show what it did.
    expect "$first" "$2" "$1 (first copy, later)"
    stop_all
    FIRST=()
    SECOND=()
    echo "ok: $1"
}

# --- twenty copies at once: one runs, nineteen are refused
for _ in $(seq 20); do start; done
running=0
refused=0
for pid in "${PIDS[@]}"; do
    case $(shown_by "$pid") in
    running) running=$((running + 1)) ;;
    refused) refused=$((refused + 1)) ;;
    *) fail "twenty at once: copy $pid shows $(shown_by "$pid")" ;;
    esac
done
[ "$running" -eq 1 ] && [ "$refused" -eq 19 ] \
    || fail "twenty at once: $running running, $refused refused"
stop_all
echo "ok: twenty at once"

# --- things at the lock's place
plant() { # KIND
    rm -rf "$LOCK"
    case $1 in
    fifo) mkfifo "$LOCK" ;;
    folder) mkdir -p "$LOCK/inside" ;;
    dangling) ln -s "$WORK/nowhere" "$LOCK" ;;
    folderlink) mkdir -p "$WORK/afolder" && ln -s "$WORK/afolder" "$LOCK" ;;
    foreign) touch "$LOCK" && chown "$OTHER" "$LOCK" ;;
    esac
}
for kind in fifo folder dangling folderlink foreign; do
    plant "$kind"
    one_runs "$kind at the lock's place" running
    [ -f "$LOCK" ] && [ ! -L "$LOCK" ] || fail "$kind: the lock's place holds no lock file now"
done

# --- the user's own stale lock without permissions, as an ordinary account
user_runtime=/tmp/zuvolock-user
mkdir -m 700 "$user_runtime" && chown "$OTHER" "$user_runtime"
user_lock=$user_runtime/zuvomatic-$OTHER_UID.lock
as_user=(setpriv --reuid="$OTHER" --regid="$OTHER" --clear-groups env HOME="$user_runtime"
    XDG_RUNTIME_DIR="$user_runtime" "$APP")
start_as_user() {
    "${as_user[@]}" >>"$WORK/app.log" 2>&1 &
    LAST=$!
    PIDS+=("$LAST")
}
for what in 000 444 foreign; do
    rm -f "$user_lock" && touch "$user_lock"
    # foreign: the administrator's file at the ordinary account's lock place
    [ "$what" = foreign ] || { chown "$OTHER" "$user_lock" && chmod "$what" "$user_lock"; }
    start_as_user
    first=$LAST
    expect "$first" running "ordinary account, lock $what"
    start_as_user
    expect "$LAST" refused "ordinary account, lock $what (second copy)"
    expect "$first" running "ordinary account, lock $what (first copy, later)"
    stop_all
    echo "ok: ordinary account, lock $what"
done

# --- the runtime folder full, or read-only: the program's own folder takes the lock
rm -rf "$LOCK" "$OWN"
full=$WORK/full
mkdir -m 700 "$full" && mount -t tmpfs -o nr_inodes=1,mode=700 tmpfs "$full"
touch "$full/x" 2>/dev/null && fail "the full tmpfs takes a file"
FIRST=(XDG_RUNTIME_DIR="$full") SECOND=(XDG_RUNTIME_DIR="$full")
one_runs "full runtime folder" running
[ -f "$OWN/zuvomatic-0.lock" ] || fail "full runtime folder: no lock in $OWN"
[ "$(stat -c %a "$OWN")" = 700 ] || fail "$OWN is not of mode 700"
readonly_dir=$WORK/readonly
mkdir -m 700 "$readonly_dir" && mount -t tmpfs -o ro,mode=700 tmpfs "$readonly_dir"
FIRST=(XDG_RUNTIME_DIR="$readonly_dir") SECOND=(XDG_RUNTIME_DIR="$full")
one_runs "read-only runtime folder" running
mkdir -m 777 "$WORK/runtime-open"
FIRST=(XDG_RUNTIME_DIR="$WORK/runtime-open") SECOND=(-u XDG_RUNTIME_DIR)
one_runs "a runtime folder that others may write" running
[ ! -e "$WORK/runtime-open/zuvomatic-0.lock" ] || fail "a lock in a folder that others may write"

# --- no runtime folder, another $USER, two working folders, a TMPDIR that does not exist
FIRST=(-u XDG_RUNTIME_DIR) SECOND=(-u XDG_RUNTIME_DIR)
one_runs "no XDG_RUNTIME_DIR" running
mkdir -m 700 /run/user/0
FIRST=(-u XDG_RUNTIME_DIR) SECOND=(XDG_RUNTIME_DIR=/run/user/0)
one_runs "no XDG_RUNTIME_DIR, and /run/user/0" running
[ -f /run/user/0/zuvomatic-0.lock ] || fail "no lock in /run/user/0"
FIRST=(USER=root LOGNAME=root) SECOND=(USER=someone-else LOGNAME=someone-else)
one_runs "another \$USER" running
mkdir -p "$WORK/a" "$WORK/b"
cd "$WORK/a" && start
expect "$LAST" running "two working folders"
cd "$WORK/b" && start TMPDIR=/nonexistent
expect "$LAST" refused "two working folders (second copy)"
cd /
stop_all
[ -z "$(ls -A "$WORK/a")$(ls -A "$WORK/b")" ] || fail "a file was written into a working folder"
echo "ok: two working folders, TMPDIR=/nonexistent"

# --- nowhere to lock: the runtime folder full, and the program's own folder planted by another
# account, as a folder all may write or as a FIFO. The program starts and says why.
for planted in folder fifo; do
    rm -rf "$OWN"
    if [ "$planted" = folder ]; then mkdir -m 777 "$OWN"; else mkfifo -m 666 "$OWN"; fi
    chown "$OTHER" "$OWN"
    start XDG_RUNTIME_DIR="$full"
    expect "$LAST" noted "no folder can take the lock ($planted of another account)"
    stop_all
    grep -q "$OWN" "$WORK/app.log" || fail "the reason names no folder"
    echo "ok: nowhere to lock ($planted of another account at $OWN): starts, says so"
done
echo "PASSED"
