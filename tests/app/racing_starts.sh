#!/usr/bin/env bash
# Two scripted runs started at once on one program folder, round after round, half of the rounds over
# the empty lock a copy killed as it locked the folder leaves behind. Never are both inside at once:
# each run that goes on finds the lock naming itself to its end, the other is refused as running or
# runs after it; and never are both refused.
# Usage: racing_starts.sh KORVANE-SCRIPT [ROUNDS]
set -euo pipefail
runner=$1
rounds=${2:-60}

work=$(mktemp -d)
folder=$work/folder
lock=$folder/KORVANE.LCK
mkdir "$folder"
cleanup() {
    for pid in ${racers[@]+"${racers[@]}"}; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "round $round: $1"
    for log in "$work"/*.out "$work"/*.err; do
        echo "== $log"
        cat "$log"
    done
    exit 1
}

# Whoever runs this has the folder, and shows the lock as it stands at the end of its run.
printf 'dialog 2024 ok 2027="HOUSE" 2026=on 2209=on\ncommand 230\nshow file KORVANE.LCK\n' >"$work/hold.ks"

refused=0
in_turn=0
for ((round = 1; round <= rounds; round++)); do
    if ((round % 2)); then : >"$lock"; fi
    racers=()
    for racer in 0 1; do
        (exec "$runner" "$folder" "$work/hold.ks" >"$work/$racer.out" 2>"$work/$racer.err") &
        racers+=($!)
    done
    ran=0
    for racer in 0 1; do
        status=0
        wait "${racers[$racer]}" || status=$?
        other=${racers[$((1 - racer))]}
        case $status in
        0)
            ran=$((ran + 1))
            # The lock's first line is its holder's process.
            holder=$(sed -n '1p' "$work/$racer.out")
            [ "$holder" = "${racers[$racer]}" ] ||
                fail "run $racer (process ${racers[$racer]}) ended holding a lock that names '$holder'"
            ;;
        2)
            grep -qE "Korvane is already running on this folder( \(process $other on [^)]*\))?:$" \
                "$work/$racer.err" || fail "run $racer was refused, and not as beside a running copy"
            ;;
        *) fail "run $racer ended with $status" ;;
        esac
    done
    racers=()
    case $ran in
    1) refused=$((refused + 1)) ;;
    2) in_turn=$((in_turn + 1)) ;;
    *) fail "both runs were refused" ;;
    esac
    [ ! -e "$lock" ] || fail "the runs left the folder locked"
done
echo "$rounds rounds: one ran and the other was refused in $refused, both ran in turn in $in_turn"
