#!/usr/bin/env bash
# The real program in a real window: starts it on a virtual X display, creates a drawing through the
# File menu with real mouse and key events, checks the drawing file and takes a screenshot.
# Usage: smoke_test.sh KORVANE SCREENSHOTTER OUTPUT.png
set -euo pipefail
program=$1
camera=$2
shot=$3
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done

work=$(mktemp -d)
display=:$((90 + RANDOM % 400))
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program folder is the executable's folder: a copy runs in a folder of its own.
cp "$program" "$work/korvane"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

"$work/korvane" >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name "Korvane 5.0" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
sleep 1

# File > New...: the first item of the first pull-down.
xdotool mousemove 20 8 click 1
sleep 0.5
xdotool key Down Return
sleep 1
# The new-drawing dialog: a name, then OK.
xdotool key ctrl+a
xdotool type --delay 20 "SMOKE"
xdotool key Return
for _ in $(seq 50); do [ -f "$work/DWGS/SMOKE.DB0" ] && break; sleep 0.1; done
[ -f "$work/DWGS/SMOKE.DB0" ] || { echo "File/New made no drawing file"; exit 1; }
head -n 1 "$work/DWGS/SMOKE.DB0" | grep -qx "4 0 0 0 1 1" || { echo "the new drawing's header is wrong"; exit 1; }
sleep 0.5
"$camera" "$shot"
kill "$app"
wait "$app" 2>/dev/null || true
app=""
echo "smoke test passed: $shot"
