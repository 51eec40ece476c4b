#!/usr/bin/env bash
# Prints drawings to PDF files with two builds' korvane-script and compares what a reader of the files
# sees: every page rendered by pdftoppm at the printer's resolution, pixel by pixel (with and without
# antialiasing), the text pdftotext extracts, the page count, the file's size and qpdf's check of the
# second build's file. For each drawing, its ground, first and second floors print as three pages at
# 1:100, in the wall display modes 0, 10, 11 and 20, on A4 lying at 300 and 600 dots per inch, then on
# A3, Letter and A4 standing and Letter lying at 300. Needs poppler-utils and qpdf.
#
# Usage: scripts/compare_prints.sh OLD_KORVANE_SCRIPT NEW_KORVANE_SCRIPT WORK_FOLDER DRAWING.DB0...
# Prints one line per print and page: "name page: pixels P differing D (over 64: B, largest L)
# without antialiasing D2; text same|differs", then the totals.
set -euo pipefail
old=$(realpath "${1:?usage: compare_prints.sh OLD NEW WORK DRAWING...}")
new=$(realpath "${2:?}")
work=$(realpath -m "${3:?}")
shift 3
mkdir -p "$work"

# Differing pixels of two PPM files of one size: "differing over64 largest".
compare_images() {
    local header
    header=$(head -c 64 "$1" | head -n 3 | wc -c)
    cmp -l "$1" "$2" 2> /dev/null | awk -v header="$header" '
        function octal(s,   v, i) { v = 0; for (i = 1; i <= length(s); i++) v = v * 8 + substr(s, i, 1); return v }
        { pixel = int(($1 - 1 - header) / 3); d = octal($2) - octal($3); if (d < 0) d = -d
          if (d > most[pixel]) most[pixel] = d }
        END { n = 0; big = 0; largest = 0
              for (p in most) { n++; if (most[p] > 64) big++; if (most[p] > largest) largest = most[p] }
              printf "%d %d %d\n", n, big, largest }'
}

total_pages=0
total_differing=0
total_plain=0
text_differs=0
print_case() { # NAME DRAWING PAPER ORIENTATION DPI WALLS NODIMS WEIGHT
    local name=$1 drawing=$2 paper=$3 orientation=$4 dpi=$5 walls=$6 nodims=$7 weight=$8
    local base
    base=$(basename "$drawing" .DB0)
    for build in old new; do
        local folder="$work/$name/$build"
        rm -rf "$folder"
        mkdir -p "$folder/DWGS"
        cp "$drawing" "$folder/DWGS/$base.DB0"
        cat > "$work/$name/print.ks" << SCRIPT
printer "OUT.PDF" $paper $orientation $dpi
dialog 5450 ok 5451=on
file "$base.DB0"
print ok
dialog 19500 ok 19501=1 19502=1 19503=1 19504=100 19505=100 19506=100 $walls=on 19509=$([ "$nodims" = 1 ] && echo on || echo off) $weight=on
command 250
expect nomessage
SCRIPT
        local runner=$old
        [ "$build" = new ] && runner=$new
        QT_QPA_PLATFORM=offscreen "$runner" "$folder" "$work/$name/print.ks" > "$folder/run.txt" 2>&1 || {
            echo "$name: the $build build failed: $(tail -1 "$folder/run.txt")"
            return
        }
        pdftoppm -r "$dpi" "$folder/OUT.PDF" "$folder/page"
        pdftoppm -r "$dpi" -aa no -aaVector no "$folder/OUT.PDF" "$folder/plain"
        pdftotext -layout "$folder/OUT.PDF" "$folder/text.txt"
    done
    local check
    check=$(qpdf --check "$work/$name/new/OUT.PDF" 2>&1 | grep -c "No syntax or stream encoding errors" || true)
    local sizes
    sizes="$(stat -c %s "$work/$name/old/OUT.PDF") -> $(stat -c %s "$work/$name/new/OUT.PDF") bytes"
    local text=same
    cmp -s "$work/$name/old/text.txt" "$work/$name/new/text.txt" || { text=differs; text_differs=$((text_differs + 1)); }
    local pages_old=("$work/$name/old"/page-*.ppm) pages_new=("$work/$name/new"/page-*.ppm)
    echo "$name: ${#pages_old[@]} -> ${#pages_new[@]} pages, $sizes, qpdf $([ "$check" = 1 ] && echo clean || echo FAILED), text $text"
    for page in "$work/$name/old"/page-*.ppm; do
        local file
        file=$(basename "$page")
        local plain=${file/page/plain}
        read -r differing big largest < <(compare_images "$page" "$work/$name/new/$file")
        read -r plain_differing _ _ < <(compare_images "$work/$name/old/$plain" "$work/$name/new/$plain")
        local pixels
        pixels=$(head -c 64 "$page" | head -n 2 | tail -n 1 | awk '{ print $1 * $2 }')
        echo "  $file: pixels $pixels differing $differing (over 64: $big, largest $largest)," \
            "without antialiasing $plain_differing"
        total_pages=$((total_pages + 1))
        total_differing=$((total_differing + differing))
        total_plain=$((total_plain + plain_differing))
    done
    rm -f "$work/$name"/*/page-*.ppm "$work/$name"/*/plain-*.ppm
}

for drawing in "$@"; do
    name=$(basename "$drawing" .DB0)
    for mode in "0 19515 0" "10 19516 0" "11 19516 1" "20 19517 0"; do
        read -r number walls nodims <<< "$mode"
        print_case "$name-a4-landscape-300-mode$number" "$drawing" a4 landscape 300 "$walls" "$nodims" 19513
        print_case "$name-a4-landscape-600-mode$number" "$drawing" a4 landscape 600 "$walls" "$nodims" 19514
    done
    print_case "$name-a3-portrait-300" "$drawing" a3 portrait 300 19516 0 19512
    print_case "$name-letter-portrait-300" "$drawing" letter portrait 300 19517 0 19513
    print_case "$name-letter-landscape-300" "$drawing" letter landscape 300 19515 1 19514
    print_case "$name-a4-portrait-300" "$drawing" a4 portrait 300 19515 0 19513
done
echo "pages $total_pages, differing pixels $total_differing, without antialiasing $total_plain," \
    "prints whose text differs $text_differs"
