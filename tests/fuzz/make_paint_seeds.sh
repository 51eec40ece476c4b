#!/usr/bin/env bash
# Adds to the paint road's seeds (tests/fuzz/paint_seeds) a few of the drawings the scenarios make:
# those that reach most of what the seeds do not. Every DWGS/*.DB0 the scenario runs left in BUILD's
# scenario folders is offered; the paint target measures the coverage features of each, and the
# drawing that adds the most features to what the seeds (and the model fixtures the target also
# starts from) reach is taken, again and again, until the next would add fewer than MIN_GAIN; then
# the smallest drawing with a kind of object no seed holds yet, kind by kind. A drawing kept is named
# after its scenario and file.
# Usage: make_paint_seeds.sh BUILD FUZZ_BUILD [MIN_GAIN]
#   BUILD: a build whose scenarios have run (ctest -R '^scenario/'); FUZZ_BUILD: a build with
#   -DKORVANE_FUZZ=ON whose paint_fuzz is built; MIN_GAIN: 50 features unless given.
set -euo pipefail
build=$(cd "$1" && pwd)
fuzz=$(cd "$2" && pwd)/bin/paint_fuzz
min_gain=${3:-50}
here=$(cd "$(dirname "$0")" && pwd)
seeds=$here/paint_seeds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/offered" "$work/base" "$work/features"
# walls/split_external_wall + HOUSE.DB0 becomes walls_split_external_wall_HOUSE.DB0. A drawing the
# fuzz target would cut short is left out.
(cd "$build/tests/scenario_folders" && find . -path '*/DWGS/*.DB0' -type f -size -8193c) | sort |
    while IFS= read -r drawing; do
        scenario=${drawing#./}
        scenario=${scenario%%/DWGS/*}
        name=${scenario//\//_}_$(basename "$drawing")
        cp "$build/tests/scenario_folders/$drawing" "$work/offered/${name// /_}"
    done
cp "$seeds"/* "$work/base/"
cp -r "$here/../fixtures/model/." "$work/base/"

# The coverage features of the inputs of a folder, one a line: a merge into an empty folder lists, for
# each input, the features no input before it reached, so together they are all of them.
features_of() {
    local control=$work/control
    rm -rf "$control" "$work/into"
    mkdir "$work/into"
    "$fuzz" -merge=1 -merge_control_file="$control" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
        "$work/into" "$1" >"$work/merge.log" 2>&1 || { cat "$work/merge.log" >&2; exit 1; }
    awk '/^FT /{for (i = 3; i <= NF; i++) print $i}' "$control" | sort -u
}
features_of "$work/base" >"$work/base.features"
for drawing in "$work/offered"/*; do
    rm -rf "$work/one"
    mkdir "$work/one"
    cp "$drawing" "$work/one/"
    features_of "$work/one" >"$work/features/$(basename "$drawing")"
done

# Greedy cover: the drawing with the most features not yet reached, while it adds at least MIN_GAIN.
(cd "$work/features" && awk -v min_gain="$min_gain" '
    FILENAME == ARGV[1] { reached[$1] = 1; next }
    { list[FILENAME] = list[FILENAME] " " $1 }
    END {
        for (;;) {
            best = ""; gain = 0
            for (file in list) {
                if (file in taken) continue
                n = split(list[file], f, " "); g = 0
                for (i = 1; i <= n; i++) if (!(f[i] in reached)) g++
                if (g > gain || (g == gain && file < best)) { best = file; gain = g }
            }
            if (best == "" || gain < min_gain) break
            taken[best] = 1
            n = split(list[best], f, " ")
            for (i = 1; i <= n; i++) reached[f[i]] = 1
            print substr(best, 3), gain
        }
    }' "$work/base.features" ./*) >"$work/taken"
while read -r name gain; do
    cp "$work/offered/$name" "$seeds/$name"
    echo "$name adds $gain features"
done <"$work/taken"

# Then every kind of object the scenarios make is in some seed: for a type code no seed holds yet, the
# smallest drawing that holds it. A type code stands on a line of its own before its record, which
# begins with it.
type_codes() { awk 'NF == 1 { code = $1; next } NF > 1 && $1 == code && $1 > 0 { print $1 } { code = "" }' "$@" | sort -u; }
type_codes "$seeds"/* >"$work/held"
find "$work/offered" -type f -printf '%s %f\n' | sort -n | while read -r _ drawing; do
    missing=$(type_codes "$work/offered/$drawing" | comm -23 - "$work/held" | tr '\n' ' ')
    [ -n "$missing" ] || continue
    cp "$work/offered/$drawing" "$seeds/$drawing"
    type_codes "$seeds"/* >"$work/held"
    echo "$drawing holds type codes $missing"
done
echo "offered $(find "$work/offered" -type f | wc -l) scenario drawings; the seeds reached $(wc -l <"$work/base.features") features; took $(wc -l <"$work/taken") for their features"
