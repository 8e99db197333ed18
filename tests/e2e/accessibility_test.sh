#!/usr/bin/env bash
# The real program read through the desktop's accessibility bus, as a screen reader reads it:
# a private virtual display, a private session bus and accessibility bus (at-spi2-core), and
# tests/e2e/accessibility_reader.py (python3-pyatspi, the library screen readers use) walking
# GO! -> icons placed -> check -> simulator -> help -> sample chooser -> END.
#
# usage: accessibility_test.sh ZUVOMATIC [--dump]   (--dump prints the editor's tree instead)
# Exit 0 passed, 1 failed, 77 skipped (no Xvfb, at-spi2-core or python3-pyatspi).
set -u

APP=${1:?usage: accessibility_test.sh ZUVOMATIC [--dump]}
shift
PYTHON=/usr/bin/python3 # Debian's, which has pyatspi
READER="$(cd "$(dirname "$0")" && pwd)/accessibility_reader.py"

for tool in Xvfb xdotool dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done
if ! "$PYTHON" -c 'import pyatspi' 2>/dev/null; then
    echo "python3-pyatspi is not installed: skipped"
    exit 77
fi

. "$(dirname "$0")/../support/private_session.sh"
private_session_begin
APP_PID=""
cleanup() {
    stop_pid "$APP_PID"
    private_session_end
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

if ! private_display 1366x768 92; then
    cat "$WORK/xvfb.log" >&2
    echo "Xvfb cannot run here: skipped"
    exit 77
fi
private_accessibility_bus || { echo "FAILED: the accessibility bus did not start" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
# Without a desktop that switches it on, Qt's bridge waits for the bus to say a screen reader
# runs; this says it does.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$APP" >"$WORK/app.log" 2>&1 &
APP_PID=$!

if ! timeout 240 "$PYTHON" "$READER" "$@"; then
    echo "--- the program's output" >&2
    cat "$WORK/app.log" >&2
    exit 1
fi
[ "${1:-}" = --dump ] && exit 0
# END was chosen: the program ends by itself.
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$APP_PID" 2>/dev/null; then
    echo "FAILED: the program still runs after END" >&2
    exit 1
fi
wait "$APP_PID"
status=$?
APP_PID=""
[ "$status" -eq 0 ] || { echo "FAILED: the program ended with $status" >&2; exit 1; }
echo "passed"
