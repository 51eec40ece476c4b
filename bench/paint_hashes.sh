#!/usr/bin/env bash
# Prints a checksum of every picture the view paints of four drawings: the dense mixed drawing of
# OBJECTS objects (korvane-bench-drawing), the same with 700 objects (sparse enough that little hides
# under the fills), the test drawing with an object of every class and the partition scenarios' house,
# in display modes 0, 10 and 20, at normal size, fitted to the screen and zoomed in with Zoom UP over
# the middle of the fit, each through korvane-script's `png` step. Two builds that paint alike print
# the same lines:
#
#     diff <(bench/paint_hashes.sh OLD_BUILD) <(bench/paint_hashes.sh NEW_BUILD)
#
# Usage: bench/paint_hashes.sh BUILD_FOLDER [OBJECTS]   (default 20000)
set -euo pipefail
build=$(cd "${1:?usage: paint_hashes.sh BUILD_FOLDER [OBJECTS]}" && pwd)
objects=${2:-20000}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program folder holding one drawing as BENCH.DB0.
folder_with() { # NAME DRAWING_FILE
    mkdir -p "$work/$1/DWGS"
    cp "$2" "$work/$1/DWGS/BENCH.DB0"
}
"$build/bin/korvane-bench-drawing" "$work/dense" "$objects" >/dev/null
"$build/bin/korvane-bench-drawing" "$work/sparse" 700 >/dev/null
folder_with classes "$source_dir/tests/fixtures/model/every_class.DB0"
folder_with house "$source_dir/tests/scenarios/partitions/fixtures/HOUSE.DB0"

for drawing in dense sparse classes house; do
    for mode in 0 10 20; do
        for zoom in normal fit zoomed; do
            script="$work/paint-$drawing-$mode-$zoom.ks"
            {
                echo 'client 1200 800'
                echo 'file "BENCH.DB0"'
                echo 'command 231'
                echo "set DisplayMode $mode"
                case $zoom in
                normal) echo 'command 501' ;;
                fit) echo 'command 503' ;;
                zoomed)
                    echo 'command 503'
                    echo 'command 500'
                    echo 'press left 300 200'
                    echo 'move 600 400'
                    echo 'move 900 600'
                    echo 'release left 900 600'
                    ;;
                esac
                echo "png \"$mode-$zoom.png\""
            } >"$script"
            QT_QPA_PLATFORM=offscreen "$build/bin/korvane-script" "$work/$drawing" "$script" >/dev/null 2>&1
            echo "$drawing mode $mode $zoom $(md5sum <"$work/$drawing/$mode-$zoom.png" | cut -d' ' -f1)"
        done
    done
done
