#!/usr/bin/env bash
# Two scripted runs started at once on one program folder, round after round. Never are both inside at
# once: a run that finds another inside fails, each run that goes on finds the lock file naming itself to
# its end where one can be written, the other is refused as running or runs after it; and never are both
# refused. The folder is writable, with half of the rounds over the empty lock a copy killed as it locked
# the folder leaves behind (writable); or the lock file cannot be made, or once made cannot be written, as
# on a full disk (full-disk); or its top is not the user's to write though CFG, DWGS and LIBS are, as in a
# shared install (unwritable-top: the superuser runs the copies as nobody); or another program holds this
# computer's lock of the folder throughout, so that the lock file alone keeps the runs apart
# (beside-another-program).
# Usage: racing_starts.sh KORVANE-SCRIPT [ROUNDS] [writable|full-disk|unwritable-top|beside-another-program]
set -euo pipefail
runner=$1
rounds=${2:-60}
mode=${3:-writable}

work=$(mktemp -d)
folder=$work/folder
lock=$folder/KORVANE.LCK
mkdir "$folder"
cleanup() {
    for pid in ${racers[@]+"${racers[@]}"} ${other_program:-}; do kill -9 "$pid" 2>/dev/null || true; done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "round ${round:-0}: $1"
    for log in "$work"/*.out "$work"/*.err; do
        echo "== $log"
        cat "$log"
    done
    exit 1
}

# Whoever runs this has the folder: it marks it as its own while inside, and shows the lock as it stands
# at the end of its run where there is one.
: >"$work/inside"
{
    printf 'expect nofile DWGS/INSIDE\ncopy inside DWGS/INSIDE\n'
    printf 'dialog 2024 ok 2027="HOUSE" 2026=on 2209=on\ncommand 230\n'
    printf 'expect file DWGS/INSIDE ""\nremove DWGS/INSIDE\n'
    if [ "$mode" = writable ] || [ "$mode" = beside-another-program ]; then printf 'show file KORVANE.LCK\n'; fi
} >"$work/hold.ks"

# How each racer starts: each keeps the process id it is started with.
launch=()
case $mode in
writable) ;;
full-disk)
    command -v strace >/dev/null || { echo "strace is not installed (scripts/packages.txt)"; exit 1; }
    ;;
unwritable-top)
    # The folder is laid in first, then its top made the superuser's and read-only.
    : >"$work/prepare.ks"
    "$runner" "$folder" "$work/prepare.ks" >"$work/prepare.out" 2>&1 || fail "the folder could not be prepared"
    chmod 755 "$work"
    if ((EUID == 0)); then
        command -v setpriv >/dev/null || fail "setpriv (util-linux) is missing: no other user to run as"
        find "$folder" -mindepth 1 -exec chown nobody: {} +
        launch=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    fi
    chmod 555 "$folder"
    if ${launch[@]+"${launch[@]}"} touch "$folder/PROBE" 2>/dev/null; then
        echo "the racers may write the folder's top: the test shows nothing"
        exit 1
    fi
    ;;
beside-another-program)
    (exec 9<"$folder" && flock 9 && exec sleep 600) >/dev/null 2>&1 &
    other_program=$!
    until ! flock -n "$folder" true; do sleep 0.1; done
    ;;
*) echo "no such mode: $mode"; exit 2 ;;
esac

refused=0
in_turn=0
for ((round = 1; round <= rounds; round++)); do
    if [ "$mode" = writable ] && ((round % 2)); then : >"$lock"; fi
    # On a full disk the file cannot be made, or is made and takes no bytes.
    if [ "$mode" = full-disk ]; then
        fault=$( ((round % 4 < 2)) && echo openat || echo write)
        launch=(strace -D -f --seccomp-bpf -o "$work/strace.log" -A -P "$lock" -e trace="$fault"
            -e inject="$fault":error=ENOSPC)
    fi
    racers=()
    for racer in 0 1; do
        (exec ${launch[@]+"${launch[@]}"} "$runner" "$folder" "$work/hold.ks" >"$work/$racer.out" 2>"$work/$racer.err") &
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
            if [ "$mode" = writable ] || [ "$mode" = beside-another-program ]; then
                # The lock's first line is its holder's process.
                holder=$(sed -n '1p' "$work/$racer.out")
                [ "$holder" = "${racers[$racer]}" ] ||
                    fail "run $racer (process ${racers[$racer]}) ended holding a lock that names '$holder'"
            fi
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
    if [ "$mode" = full-disk ]; then
        grep -q "ENOSPC (No space left on device) (INJECTED)" "$work/strace.log" ||
            fail "no run met a full disk as it locked the folder: the test shows nothing"
        rm "$work/strace.log"
    fi
done
echo "$rounds rounds ($mode): one ran and the other was refused in $refused, both ran in turn in $in_turn"
