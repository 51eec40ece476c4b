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

# One run of korvane-script over the folder: "<label> <wall> ms wall <cpu> ms cpu <peak> MB". The CPU
# time (user and system) is what the open itself costs; on a busy machine the wall time adds the waits
# for the core.
measure() {
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v taskset -c "$core" \
        "$build/bin/korvane-script" "$work/folder" "$work/$2" 2> "$work/time.txt" > /dev/null
    awk -v label="$1" '
        /Elapsed \(wall clock\)/ { n = split($NF, part, ":"); seconds = part[n] + (n > 1 ? part[n - 1] * 60 : 0) }
        /User time \(seconds\)/ { cpu += $NF }
        /System time \(seconds\)/ { cpu += $NF }
        /Maximum resident set size/ { kilobytes = $NF }
        END { printf "%-28s %6.0f ms wall %6.0f ms cpu %6.1f MB\n", label, seconds * 1000, cpu * 1000, kilobytes / 1024 }' \
        "$work/time.txt"
}

measure "first start (makes CFG/)" start.ks
measure "start only" start.ks
for _ in 1 2 3 4 5; do
    measure "open of $objects objects" open.ks
done | tee "$work/opens.txt"
# The least of the five and their median: the least is the run the machine disturbed least.
summary() { # COLUMN NAME: the least and the median of one column of the five runs
    awk -v column="$1" '{ print $column }' "$work/opens.txt" | sort -n |
        awk -v name="$2" '{ v[NR] = $1 } END { printf "%-5s least %4.0f ms, median %4.0f ms\n", name, v[1], v[3] }'
}
summary 5 wall
summary 8 cpu
awk '{ if ($11 > peak) peak = $11 } END { printf "peak  %5.1f MB\n", peak }' "$work/opens.txt"
echo "goal for 100000 objects: open < 300 ms, peak < 150 MB (Release, one core)"
