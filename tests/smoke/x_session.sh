# Sourced by the scripts that drive the real program on a virtual X display (tests/smoke/smoke_test.sh,
# docs/make_pictures.sh): a display of their own, and waits for what the screen shows. The sourcing
# script defines `fail MESSAGE` and sets `work` (its scratch folder), `deadline` (the value of SECONDS
# by which the whole run must end) and, once the program runs, `app` (its process id).
# shellcheck shell=bash disable=SC2154,SC2034,SC2317

# Ends what the run started, however it ends: the program, the X server and the scratch folder.
end_x_session() {
    if [ -n "${app:-}" ]; then kill "$app" 2>/dev/null || true; fi
    if [ -n "${xvfb:-}" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}

# The value of SECONDS by which one step must have come: a step that does not come within
# `step_seconds` (20 unless set) will not come, and the run fails at once rather than at its deadline.
step_deadline() {
    local end=$((SECONDS + ${step_seconds:-20}))
    echo $((end < deadline ? end : deadline))
}
# Repeats a check (the words after WHAT) until it holds; fails the run, naming WHAT, when time is up.
await() {
    local what=$1 end
    end=$(step_deadline)
    shift
    until "$@" 2>/dev/null; do
        if [ -n "${app:-}" ] && ! kill -0 "$app" 2>/dev/null; then fail "the program ended while waiting until $what"; fi
        ((SECONDS < end)) || fail "timed out waiting until $what"
        sleep 0.1
    done
}
# A top-level window of this exact title is on the screen.
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
hidden() { ! shown "$1"; }
# The window of this title is on the screen and holds the keyboard, so typed keys go to it.
focused() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ]
}
# The open pull-down menu's window: the toolkit shows it untitled, which reads as the program's name.
menu_window() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^korvane$' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = korvane ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
menu_open() { menu_window >/dev/null; }
menu_closed() { ! menu_open; }
# Opens the menu bar's Nth pull-down from the keyboard (Alt, then Right to it), its first item
# highlighted: the titles' order holds in every face, where their pixels move with the interface font.
open_menu() {
    local keys=(alt) n
    for ((n = 1; n < $1; ++n)); do keys+=(Right); done
    xdotool key "${keys[@]}" Down
}
# Closes the open pull-down and leaves the menu bar: Escape alone leaves its title highlighted, and an
# Alt then would take the menu bar out of keyboard use rather than into it.
close_menu() { xdotool key Escape Escape; }

# Starts an X server of 1280 x 800 pixels on a display number no other server holds (it writes the
# number once it takes connections) and points DISPLAY at it; its process id goes in `xvfb`. The server
# must not reset when its last client leaves: the check that it answers is such a client, and a program
# connecting while the server resets is refused.
start_x_display() {
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    display_chosen() { grep -q '^[0-9]' "$work/display"; }
    await "the X server chooses its display" display_chosen
    DISPLAY=:$(head -n 1 "$work/display")
    export DISPLAY
    display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
    await "the X display answers" display_answers
}
