#!/usr/bin/env bash
# The real program in a real window: starts it on a virtual X display, creates a drawing through the
# File menu with real mouse and key events, places a text and opens a menu, draws a circle, restores
# and grows the view, resizes the main window, and checks the drawing file and each screenshot.
# Usage: smoke_test.sh KORVANE SCREENSHOTTER OUTPUT.png (the other screenshots go beside it)
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

# The colours of a part of a screenshot, RRGGBB, a row a line.
pixels() { "$camera" --pixels "$@"; }
# How many pixels of a part of a screenshot have a colour.
count() { local colour=$1; shift; pixels "$@" | tr ' ' '\n' | grep -c "^$colour$" || true; }
fail() { echo "$1"; exit 1; }
base=${shot%.png}

# A centred text: the press opens the text dialog, which takes the release. The menu opens afterwards
# and no second text dialog comes.
xdotool mousemove 299 38 click 1
sleep 0.7
xdotool key Return
sleep 0.5
xdotool mousemove 600 400 click 1
sleep 0.7
xdotool type --delay 20 "HELLO"
xdotool key Return
sleep 0.5
xdotool mousemove 700 300
sleep 0.2
xdotool mousemove 36 8 click 1
sleep 0.7
"$camera" "${base}_menu.png"
[ "$(grep -c "ArialHELLO$" "$work/DWGS/SMOKE.DB0")" = 1 ] || fail "the text was not placed once"
# The File pull-down's items show over the view's white below the toolbar.
[ "$(pixels "${base}_menu.png" 45 60 200 195 | tr ' ' '\n' | grep -vc FFFFFF)" -gt 300 ] ||
    fail "the File menu did not open after the text"
xdotool key Escape
sleep 0.3

# A circle, dragged out with the Circle tool.
xdotool mousemove 205 8 click 1
sleep 0.5
xdotool mousemove 231 95 click 1
sleep 0.5
xdotool mousemove 600 500 mousedown 1
sleep 0.2
xdotool mousemove 650 500
sleep 0.1
xdotool mousemove 700 500
sleep 0.2
xdotool mouseup 1
sleep 0.3
xdotool mousemove 1000 700
sleep 0.5
"$camera" "${base}_circle.png"
pixels "${base}_circle.png" 480 380 720 620 >"$work/circle.txt"
[ "$(tr ' ' '\n' <"$work/circle.txt" | grep -vc FFFFFF)" -gt 300 ] || fail "no circle was drawn"

# The view's restore button: the view keeps most of the client area, its title bar far wider than the
# smallest window.
xdotool mousemove 1248 8 click 1
sleep 0.7
"$camera" "${base}_restored.png"
for span in "30 62 400 78" "510 62 890 78"; do # either side of the title
    # shellcheck disable=SC2086
    [ "$(count FFFFFF "${base}_restored.png" $span)" = 0 ] || fail "the restored view is too small"
done
# Grown back to maximised (a double click on its title bar): the uncovered part shows the circle whole.
xdotool mousemove 300 70 click --repeat 2 --delay 80 1
sleep 0.7
xdotool mousemove 1000 700
sleep 0.3
"$camera" "${base}_grown.png"
pixels "${base}_grown.png" 480 380 720 620 | cmp -s - "$work/circle.txt" || fail "the grown view did not paint its new area"

# The main window made smaller and larger again: the status bar is painted, and so is the view.
xdotool windowsize "$window" 800 500
sleep 0.7
"$camera" "${base}_small.png"
[ "$(count 000000 "${base}_small.png" 500 484 690 498)" = 0 ] || fail "the status bar was not repainted"
xdotool windowsize "$window" 1280 800
sleep 0.7
xdotool mousemove 1000 700
sleep 0.3
"$camera" "${base}_large.png"
[ "$(count 000000 "${base}_large.png" 600 784 1150 798)" = 0 ] || fail "the status bar was not repainted"
pixels "${base}_large.png" 480 380 720 620 | cmp -s - "$work/circle.txt" || fail "the grown main window's view did not paint"
kill "$app"
wait "$app" 2>/dev/null || true
app=""
echo "smoke test passed: $shot"
