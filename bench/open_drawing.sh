#!/usr/bin/env bash
# Times File/Open of a generated drawing through korvane-script on one core: the program starts, the
# drawing is read and its view of 1024 x 768 pixels painted, as a user opening it would see. Prints
# the wall time and peak memory (/usr/bin/time -v) of the open and, for comparison, of a run that only
# starts. Build with -DCMAKE_BUILD_TYPE=Release first.
#
# Goal: a drawing of 100 000 objects opens in under 300 ms with under 150 MB at its peak.
#
# Usage: bench/open_drawing.sh BUILD_FOLDER [OBJECTS [CORE]]   (defaults 100000 and 0)
set -euo pipefail
build=$(cd "${1:?usage: open_drawing.sh BUILD_FOLDER [OBJECTS [CORE]]}" && pwd)
objects=${2:-100000}
core=${3:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/korvane-bench-drawing" "$work/folder" "$objects"
cat > "$work/open.ks" <<SCRIPT
client 1024 768
file "BENCH.DB0"
command 231
expect title "BENCH.PLN"
expect global ObjectSerial $objects
SCRIPT
echo "client 1024 768" > "$work/start.ks"

# One run of korvane-script over the folder: "<label> <milliseconds> ms <megabytes> MB".
measure() {
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v taskset -c "$core" \
        "$build/bin/korvane-script" "$work/folder" "$work/$2" 2> "$work/time.txt" > /dev/null
    awk -v label="$1" '
        /Elapsed \(wall clock\)/ { n = split($NF, part, ":"); seconds = part[n] + (n > 1 ? part[n - 1] * 60 : 0) }
        /Maximum resident set size/ { kilobytes = $NF }
        END { printf "%-28s %6.0f ms %6.1f MB\n", label, seconds * 1000, kilobytes / 1024 }' "$work/time.txt"
}

measure "first start (makes CFG/)" start.ks
measure "start only" start.ks
for run in 1 2 3; do
    measure "open of $objects objects" open.ks
done
echo "goal for 100000 objects: open < 300 ms, peak < 150 MB"
