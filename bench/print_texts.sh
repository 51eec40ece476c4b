#!/usr/bin/env bash
# Times printing a drawing of texts alone to a PDF file through korvane-script, as a whole process,
# against another build's korvane-script on the same drawing, in turn: each run's CPU time and peak
# memory, then the medians and their ratio. The drawing holds the texts of the generated drawing of
# the drawing-file benchmarks (`korvane-bench-drawing`, one object in 14 a text, each of its own words),
# so every text is laid out and every glyph shown goes through the writer's fonts. Build both in
# Release first.
#
# Goal: no slower than the program before the writer's fonts were cut by HarfBuzz (4bc7282): a ratio
# of the CPU medians of at most 1.02.
#
# Usage: bench/print_texts.sh BUILD_FOLDER OTHER_BUILD_FOLDER [TEXTS [RUNS]]   (defaults 20000 and 15)
set -euo pipefail
build=$(cd "${1:?usage: print_texts.sh BUILD_FOLDER OTHER_BUILD_FOLDER [TEXTS [RUNS]]}" && pwd)
other=$(cd "${2:?usage: print_texts.sh BUILD_FOLDER OTHER_BUILD_FOLDER [TEXTS [RUNS]]}" && pwd)
texts=${3:-20000}
runs=${4:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/korvane-bench-drawing" "$work/mixed" $((texts * 14))
mkdir -p "$work/folder/DWGS"
# A text is a record of two lines, its type code 4 and its fields; the header counts the records.
{
    echo "$texts 0 0 0 1 $texts"
    awk 'NR > 1 && previous == "4" && $1 == "4" { print "4"; print } { previous = $0 }' "$work/mixed/DWGS/BENCH.DB0"
} > "$work/folder/DWGS/TEXTS.DB0"
cat > "$work/print.ks" <<SCRIPT
printer "TEXTS.PDF" a4 landscape 300
dialog 5450 ok 5451=on
file "TEXTS.DB0"
print ok
dialog 19500 ok 19501=1 19504=200
command 250
expect nomessage
SCRIPT

# One timed run: "<label> <cpu> ms cpu <peak> KiB".
measure() {
    local label=$1
    shift
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$@" 2> "$work/time.txt" > /dev/null
    awk -v label="$label" '
        /User time \(seconds\)/ { cpu += $NF }
        /System time \(seconds\)/ { cpu += $NF }
        /Maximum resident set size/ { peak = $NF }
        END { printf "%-6s %6.0f ms cpu %8d KiB\n", label, cpu * 1000, peak }' "$work/time.txt"
}

for _ in $(seq "$runs"); do
    measure new "$build/bin/korvane-script" "$work/folder" "$work/print.ks"
    measure other "$other/bin/korvane-script" "$work/folder" "$work/print.ks"
done | tee "$work/runs.txt"
median() { # LABEL COLUMN
    awk -v label="$1" -v column="$2" '$1 == label { print $column }' "$work/runs.txt" | sort -n |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
awk -v a="$(median new 2)" -v b="$(median other 2)" -v pa="$(median new 5)" -v pb="$(median other 5)" \
    'BEGIN { printf "median cpu %d against %d ms, ratio %.3f (goal <= 1.02); peak %d against %d KiB\n", a, b, a / b, pa, pb }'
