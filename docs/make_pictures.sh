#!/usr/bin/env bash
# Makes the README's pictures again from the program itself:
# - sample_plan.png: the view of the house that sample_house.ks draws as a user would (korvane-script);
# - main_window.png: the real program's window on a virtual X display, that drawing opened through
#   File > Open, so the menus and the toolbar are those of a drawing in hand.
# Usage: docs/make_pictures.sh [BUILD_BIN] (default build/bin: korvane, korvane-script and
# korvane-screenshot). Needs Xvfb and xdotool.
set -euo pipefail
docs=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$docs/../build/bin}" && pwd)
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done

# The faces the tests see (the build's tests/fonts.conf), so the pictures do not change with the faces
# a desktop has besides: another face for Arial or for the interface would move every letter.
if [ -f "$bin/../tests/fonts.conf" ]; then
    export FONTCONFIG_FILE=$bin/../tests/fonts.conf
else
    echo "no tests/fonts.conf beside $bin: the pictures show this machine's faces"
fi

work=$(mktemp -d)
# shellcheck source=tests/smoke/x_session.sh
source "$docs/../tests/smoke/x_session.sh"
trap end_x_session EXIT

# The drawing, drawn over a fresh program folder; the view's picture is the sample plan.
QT_QPA_PLATFORM=offscreen "$bin/korvane-script" "$work" "$docs/sample_house.ks"
cp "$work/sample_plan.png" "$docs/sample_plan.png"

deadline=$((SECONDS + 60))
fail() {
    echo "$1"
    exit 1
}

# The real program in the folder the drawing was drawn in (the program folder is the executable's).
cp "$bin/korvane" "$work/korvane"
start_x_display
export QT_QPA_PLATFORM=xcb
"$work/korvane" >"$work/korvane.log" 2>&1 &
app=$!
await "the main window is shown" shown "Korvane 5.0"
# File > Open...: the second item of the first pull-down, then the drawing's name.
window=$(xdotool search --onlyvisible --name "^Korvane 5.0\$" | head -n 1)
xdotool windowfocus "$window"
await "the main window has the keyboard" focused "Korvane 5.0"
open_menu 1
await "the File menu opens" menu_open
xdotool key Down Return
await "the open dialog has the keyboard" focused "Open"
xdotool type --delay 20 "HOUSE.DB0"
xdotool key Return
await "the open dialog closes" hidden "Open"
# The pointer at the living room's top-left inside corner, so the readout shows where it is.
xdotool mousemove 411 269
# The plan painted and the screen settled: two screenshots in a row alike, a row across the house
# white but for the walls it crosses.
plan_painted() {
    local row
    row=$("$bin/korvane-screenshot" --pixels "$1" 400 400 880 401 | tr ' ' '\n')
    [ "$(grep -c '^FFFFFF$' <<<"$row")" -gt 400 ] && [ "$(grep -c '^000000$' <<<"$row")" -ge 8 ]
}
settled() {
    "$bin/korvane-screenshot" "$work/now.png" 2>/dev/null || return 1
    if [ -f "$work/last.png" ] && cmp -s "$work/now.png" "$work/last.png" && plan_painted "$work/now.png"; then
        return 0
    fi
    mv "$work/now.png" "$work/last.png"
    sleep 0.3
    return 1
}
await "the opened drawing is painted" settled
cp "$work/now.png" "$docs/main_window.png"
echo "made $docs/sample_plan.png and $docs/main_window.png"
