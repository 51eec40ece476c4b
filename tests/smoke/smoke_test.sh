#!/usr/bin/env bash
# The real program in a real window: starts it on a virtual X display, creates a drawing through the
# File menu with real mouse and key events, places a text and opens a menu, draws a circle, restores
# and grows the view, resizes the main window, and checks the drawing file and each screenshot. Every
# step waits for what it needs (a window shown and holding the keyboard, a file written, a screenshot
# showing the expected pixels) rather than a fixed time; one that has not come in 20 s fails the run at
# once, saying what it waited for, within one generous limit for the whole run. Menus and their items
# are found from the keyboard by their order, never at the pixels one interface font puts them.
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
# shellcheck source=tests/smoke/x_session.sh
source "$(dirname "$0")/x_session.sh"
trap end_x_session EXIT

# The whole run must end within this many seconds; a loaded machine is slow, not wrong.
deadline=$((SECONDS + 100))
fail() {
    echo "$1"
    if [ -s "$work/DWGS/SMOKE.DB0" ]; then echo "the drawing file's header: $(head -n 1 "$work/DWGS/SMOKE.DB0")"; fi
    if [ -s "$work/korvane.log" ]; then
        echo "the program's messages:"
        cat "$work/korvane.log"
    fi
    exit 1
}
# The first field of the drawing file's header, the object count.
objects() { head -n 1 "$work/DWGS/SMOKE.DB0" 2>/dev/null | cut -d ' ' -f 1; }
has_objects() { [ "$(objects)" = "$1" ]; }

# The colours of a part of a screenshot, RRGGBB, a row a line.
pixels() { "$camera" --pixels "$@"; }
# How many pixels of a part of a screenshot have a colour, or do not.
count() {
    local colour=$1
    shift
    pixels "$@" | tr ' ' '\n' | grep -c "^$colour$" || true
}
count_other() {
    local colour=$1
    shift
    pixels "$@" | tr ' ' '\n' | grep -vc "^$colour$" || true
}
# Takes screenshots into FILE until CHECK FILE holds: the screen may show the change a moment late.
await_screen() {
    local what=$1 file=$2 end
    end=$(step_deadline)
    shift 2
    until "$camera" "$file" 2>/dev/null && "$@" "$file"; do
        if ! kill -0 "$app" 2>/dev/null; then fail "the program ended while the screen was to show $what"; fi
        ((SECONDS < end)) || fail "the screen never showed $what (last screenshot: $file)"
        sleep 0.2
    done
}

# The program folder is the executable's folder: a copy runs in a folder of its own.
cp "$program" "$work/korvane"
start_x_display

"$work/korvane" >"$work/korvane.log" 2>&1 &
app=$!
await "the main window is shown" shown "Korvane 5.0"
window=$(xdotool search --onlyvisible --name "^Korvane 5.0\$" | head -n 1)
# Its menu bar painted: the menu titles' letters along the top row.
menu_bar_painted() { [ "$(count_other EFEFEF "$1" 2 2 120 14)" -gt 20 ]; }
await_screen "the menu bar" "$work/start.png" menu_bar_painted
# The keys go to the main window.
xdotool windowfocus "$window"
await "the main window has the keyboard" focused "Korvane 5.0"

# File > New...: the first item of the first pull-down.
open_menu 1
await "the File menu opens" menu_open
xdotool key Return
await "the new-drawing dialog has the keyboard" focused "new drawing"
# The new-drawing dialog: a name, then OK.
xdotool key ctrl+a
xdotool type --delay 20 "SMOKE"
xdotool key Return
await "File/New makes the drawing file" test -s "$work/DWGS/SMOKE.DB0"
head -n 1 "$work/DWGS/SMOKE.DB0" | grep -qx "4 0 0 0 1 1" || fail "the new drawing's header is wrong"
# The external-wall type asked for the new floor plan: cancelled, which leaves the pick tool.
await "the wall-type dialog has the keyboard" focused "external wall"
xdotool key Escape
await "the wall-type dialog closes" hidden "external wall"
# The empty plan: the view's white fills the middle of the screen.
view_white() { [ "$(count FFFFFF "$1" 400 300 880 500)" = $((480 * 200)) ]; }
await_screen "the new plan's empty view" "$shot" view_white
base=${shot%.png}
# Where the File title is, for a click on it later: its pull-down opens under it, at its left edge.
open_menu 1
await "the File menu opens from the keyboard" menu_open
eval "$(xdotool getwindowgeometry --shell "$(menu_window)")"
file_title_x=$((X + 8)) file_title_y=$((Y / 2))
close_menu
await "the File menu closes" menu_closed

# A centred text: the press opens the text dialog, which takes the release. The menu opens afterwards
# and no second text dialog comes.
xdotool mousemove 299 38 click 1
await "the text details dialog has the keyboard" focused "text details"
xdotool key Return
await "the text details dialog closes" hidden "text details"
xdotool mousemove 600 400 click 1
await "the text dialog has the keyboard" focused "Text"
xdotool type --delay 20 "HELLO"
xdotool key Return
await "the text dialog closes" hidden "Text"
await "the text is stored" has_objects 5
xdotool mousemove 700 300
xdotool mousemove "$file_title_x" "$file_title_y" click 1
await "the File menu opens after the text" menu_open
# The pull-down's items show over the view's white below the toolbar.
menu_over_view() { [ "$(count_other FFFFFF "$1" 45 60 200 195)" -gt 300 ]; }
await_screen "the File menu over the view" "${base}_menu.png" menu_over_view
shown "Text" && fail "a second text dialog opened"
[ "$(grep -c "ArialHELLO$" "$work/DWGS/SMOKE.DB0")" = 1 ] || fail "the text was not placed once"
close_menu
await "the File menu closes" menu_closed

# A circle, dragged out with the Circle tool (Tools, the fifth menu: Line, Line + Text, Arc, Circle).
# The moves pace the drag as a hand would.
open_menu 5
await "the Tools menu opens" menu_open
xdotool key Down Down Down Return
await "the Tools menu closes" menu_closed
xdotool mousemove 600 500 mousedown 1
sleep 0.2
xdotool mousemove 650 500
sleep 0.1
xdotool mousemove 700 500
sleep 0.2
xdotool mouseup 1
await "the circle is stored" has_objects 6
xdotool mousemove 1000 700
# The circle painted, and the screen settled: two screenshots in a row alike.
: >"$work/circle.txt"
circle_settled() {
    pixels "$1" 480 380 720 620 >"$work/circle_now.txt"
    if cmp -s "$work/circle_now.txt" "$work/circle.txt" &&
        [ "$(tr ' ' '\n' <"$work/circle.txt" | grep -vc FFFFFF)" -gt 300 ]; then
        return 0
    fi
    mv "$work/circle_now.txt" "$work/circle.txt"
    return 1
}
await_screen "the circle" "${base}_circle.png" circle_settled
# Drawn whole: ink in each quarter of its outline.
for quarter in "480 380 600 500" "600 380 720 500" "480 500 600 620" "600 500 720 620"; do
    # shellcheck disable=SC2086
    [ "$(count_other FFFFFF "${base}_circle.png" $quarter)" -gt 50 ] || fail "the circle is not whole"
done
the_circle() { pixels "$1" 480 380 720 620 | cmp -s - "$work/circle.txt"; }

# The view's restore button: the view keeps most of the client area, its title bar far wider than the
# smallest window: no view white either side of the title.
xdotool mousemove 1248 8 click 1
restored() {
    local span
    for span in "30 62 400 78" "510 62 890 78"; do
        # shellcheck disable=SC2086
        [ "$(count FFFFFF "$1" $span)" = 0 ] || return 1
    done
}
await_screen "the restored view at a sensible size" "${base}_restored.png" restored
# Grown back to maximised (its own maximise button): the uncovered part shows the circle whole.
xdotool mousemove 924 70 click 1
xdotool mousemove 1000 700
await_screen "the grown view's circle whole" "${base}_grown.png" the_circle

# The main window made smaller and larger again: the status bar is painted, and so is the view.
main_size() { xdotool getwindowgeometry "$window" | grep -q "Geometry: $1\$"; }
status_bar() { # painted in its own grey, where the view's white or the screen's black was
    local span=$1 area=$2 file=$3
    # shellcheck disable=SC2086
    [ "$(count EFEFEF "$file" $span)" -gt $((area / 2)) ] && [ "$(count 000000 "$file" $span)" = 0 ]
}
small_status_bar() { status_bar "500 484 690 498" $((190 * 14)) "$1"; }
large_status_bar() { status_bar "600 784 1150 798" $((550 * 14)) "$1"; }
large_window_painted() { large_status_bar "$1" && the_circle "$1"; }
xdotool windowsize "$window" 800 500
await "the main window is 800 x 500" main_size 800x500
await_screen "the small main window's status bar" "${base}_small.png" small_status_bar
xdotool windowsize "$window" 1280 800
await "the main window is 1280 x 800" main_size 1280x800
xdotool mousemove 1000 700
await_screen "the large main window's status bar and view" "${base}_large.png" large_window_painted
kill "$app"
wait "$app" 2>/dev/null || true
app=""
echo "smoke test passed: $shot in $SECONDS s"
