#!/usr/bin/env bash
# Starts the designer on a virtual X display with a skin on its command line, waits until its window
# carries the skin's title, closes it from the File menu and expects a clean exit.
# Usage: DesignerSmoke.sh DRAPIER SKIN
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" --inside "$@"
fi
drapier=$2
skin=$3

# The recent-file list goes to a throw-away home, not the user's settings.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config
# The test suite runs Qt offscreen; this test needs the real window system.
export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")" && pwd)/lsan-desktop.supp

title="$(basename "$skin") - Pinlets Skin Designer v4.31"
pattern="^$(printf '%s' "$title" | sed 's/[.]/\\./g')\$"

"$drapier" "$skin" &
pid=$!

window=""
for _ in $(seq 1 300); do
    window=$(xdotool search --name "$pattern" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "smoke: the designer ended before its window appeared" >&2
        exit 1
    fi
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "smoke: no window titled \"$title\"" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
echo "smoke: found \"$(xdotool getwindowname "$window")\""

# File, then E&xit: an unchanged skin closes without the save prompt.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x

for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "smoke: the designer ended with status $status"
        exit "$status"
    fi
    sleep 0.1
done
echo "smoke: the designer did not close" >&2
kill "$pid" 2>/dev/null || true
exit 1
