#!/usr/bin/env bash
# Edits a skin in the designer on a virtual X display (an element deleted from the tree with the Delete
# key), waits until the edit is kept in a recovery file and kills the designer with SIGKILL. Started
# again, the designer must offer the kept changes; Enter takes the offer, Ctrl+S saves, and the saved
# skin must lack the deleted element. Nothing may be left in the recovery folder after a normal exit.
# Usage: SigkillRecovery.sh DRAPIER EXAMPLE_FOLDER (holding plain.ini and plain.png)
# Exits 77 (skipped) when the virtual display or xdotool is missing.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    for tool in xvfb-run xdotool iconv; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "recovery: $tool is not installed; skipped"
            exit 77
        fi
    done
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" --inside "$@"
fi
drapier=$2
example=$3

work=$(mktemp -d)
designers=()
finish() {
    for pid in "${designers[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "recovery: $*" >&2
    exit 1
}

# Settings and recovery files stay in throw-away folders, never the user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export DRAPIER_RECOVERY_DIR=$work/recovery
# The test suite runs Qt offscreen; this test needs the real window system.
export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")/../smoke" && pwd)/lsan-desktop.supp
cp "$example/plain.ini" "$example/plain.png" "$work/"
skin=$work/plain.ini
program="Pinlets Skin Designer"

sections() { iconv -f UTF-16 -t UTF-8 "$1" | grep -c '^\['; }
# Waits up to 20 seconds for a window whose title matches; prints its id.
find_window() {
    local found
    for _ in $(seq 1 200); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
start_designer() {
    "$drapier" "$skin" &
    designers+=($!)
}
# Keys for the window: focus it first, as there is no window manager to do so.
keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$@"
}

before=$(sections "$skin")
start_designer
first=${designers[-1]}
window=$(find_window "^plain\.ini - $program") || fail "the designer's window did not appear"

# Into the tree, then to its first element: Home is "Default Layout", then "Elements", then the element.
xdotool mousemove --window "$window" 120 200 click 1
keys "$window" Home Down Down Delete
find_window "^\* plain\.ini - $program" >/dev/null || fail "the Delete key changed nothing"

kept=""
for _ in $(seq 1 100); do
    kept=$(find "$work/recovery" -name '*.recovery' 2>/dev/null | head -n 1)
    [ -n "$kept" ] && break
    sleep 0.1
done
[ -n "$kept" ] || fail "no recovery file was written"
head -n 1 "$kept" | grep -qx "pinletsdrapier-recovery 1" || fail "$kept is not a recovery file"

kill -9 "$first"
wait "$first" 2>/dev/null || true
echo "recovery: killed the designer with $(basename "$kept") kept"

start_designer
second=${designers[-1]}
offer=$(find_window "^$program\$") || fail "no offer of the kept changes"
echo "recovery: offered"
# Yes is the offer's preset answer.
keys "$offer" Return
window=$(find_window "^\* plain\.ini - $program") || fail "the kept changes were not loaded"
keys "$window" ctrl+s
find_window "^plain\.ini - $program" >/dev/null || fail "the recovered skin was not saved"
after=$(sections "$skin")
[ "$after" -eq $((before - 1)) ] || fail "the saved skin has $after sections, not $((before - 1))"

# File, then E&xit; the skin is saved, so no prompt.
keys "$window" alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 100); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$second" 2>/dev/null && fail "the designer did not close"
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the designer ended with status $status"
left=$(find "$work/recovery" -type f 2>/dev/null)
[ -z "$left" ] || fail "left in the recovery folder: $left"
echo "recovery: the deleted element came back after SIGKILL; nothing left behind"
