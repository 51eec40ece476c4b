#!/usr/bin/env bash
# Prints a checksum of every picture the view paints of two generated drawings (the dense mixed one and
# a copy of the tiled test plan), in display modes 0, 10 and 20, at normal size and fitted to the
# screen, each through korvane-script's `png` step. Two builds that paint alike print the same lines:
#
#     diff <(bench/paint_hashes.sh OLD_BUILD) <(bench/paint_hashes.sh NEW_BUILD)
#
# Usage: bench/paint_hashes.sh BUILD_FOLDER [OBJECTS]   (default 20000)
set -euo pipefail
build=$(cd "${1:?usage: paint_hashes.sh BUILD_FOLDER [OBJECTS]}" && pwd)
objects=${2:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/korvane-bench-drawing" "$work/folder" "$objects" >/dev/null
for mode in 0 10 20; do
    for zoom in normal fit; do
        script="$work/paint-$mode-$zoom.ks"
        {
            echo 'client 1200 800'
            echo 'file "BENCH.DB0"'
            echo 'command 231'
            [ "$zoom" = fit ] && echo 'command 503'
            echo "set DisplayMode $mode"
            echo 'command 501'
            [ "$zoom" = fit ] && echo 'command 503'
            echo "png \"mode$mode-$zoom.png\""
        } >"$script"
        QT_QPA_PLATFORM=offscreen "$build/bin/korvane-script" "$work/folder" "$script" >/dev/null 2>&1
        echo "mixed $objects mode $mode $zoom $(md5sum <"$work/folder/mode$mode-$zoom.png" | cut -d' ' -f1)"
    done
done
