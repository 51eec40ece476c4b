#!/usr/bin/env bash
# Times printing a drawing of generated lines to a PDF file through korvane-script on one core, as a
# whole process (start, the drawing read, the page drawn, the PDF written), and the same lines printed
# by LibreCAD's batch printer (`librecad dxf2pdf`) when it is installed, in turn. Prints each run's
# wall and CPU time, the medians, their ratio and the sizes of the two PDF files. LibreCAD is only a
# yardstick here: install it by hand (Debian's package librecad) to compare. Build with
# -DCMAKE_BUILD_TYPE=Release first.
#
# Goal: 100 000 lines print in at most 0.25 of the time LibreCAD takes.
#
# Usage: bench/print_drawing.sh BUILD_FOLDER [LINES [CORE]]   (defaults 100000 and 0)
set -euo pipefail
build=$(cd "${1:?usage: print_drawing.sh BUILD_FOLDER [LINES [CORE]]}" && pwd)
lines=${2:-100000}
core=${3:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/korvane-bench-lines" "$work/folder" "$lines"
# No drawing open: the units, the drawing and the print options are asked for, the ground floor
# printed once at 1:200 on A4 lying landscape at 300 dots per inch.
cat > "$work/print.ks" <<SCRIPT
printer "LINES.PDF" a4 landscape 300
dialog 5450 ok 5451=on
file "LINES.DB0"
print ok
dialog 19500 ok 19501=1 19504=200
command 250
expect nomessage
SCRIPT

# One timed run: "<label> <wall> ms wall <cpu> ms cpu".
measure() {
    local label=$1
    shift
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v taskset -c "$core" "$@" 2> "$work/time.txt" > /dev/null
    awk -v label="$label" '
        /Elapsed \(wall clock\)/ { n = split($NF, part, ":"); seconds = part[n] + (n > 1 ? part[n - 1] * 60 : 0) }
        /User time \(seconds\)/ { cpu += $NF }
        /System time \(seconds\)/ { cpu += $NF }
        END { printf "%-10s %6.0f ms wall %6.0f ms cpu\n", label, seconds * 1000, cpu * 1000 }' "$work/time.txt"
}

librecad=$(command -v librecad || true)
for _ in 1 2 3 4 5; do
    measure korvane "$build/bin/korvane-script" "$work/folder" "$work/print.ks"
    if [ -n "$librecad" ]; then measure librecad "$librecad" dxf2pdf -a "$work/folder/LINES.DXF"; fi
done | tee "$work/runs.txt"
median() { # LABEL: the median wall time of that program's runs
    awk -v label="$1" '$1 == label { print $2 }' "$work/runs.txt" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
korvane=$(median korvane)
echo "korvane  median $korvane ms, PDF $(stat -c %s "$work/folder/LINES.PDF") bytes"
if [ -n "$librecad" ]; then
    other=$(median librecad)
    echo "librecad median $other ms, PDF $(stat -c %s "$work/folder/LINES.pdf") bytes"
    awk -v a="$korvane" -v b="$other" 'BEGIN { printf "ratio %.2f (goal <= 0.25)\n", a / b }'
fi
