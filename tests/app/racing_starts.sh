#!/usr/bin/env bash
# Two scripted runs started at once on one program folder, round after round. Never are both inside at
# once: a run that finds another inside fails, each run that goes on does so with a lock (it is told of
# none it lacks) and finds the lock file naming itself to its end where one can be written, the other is
# refused as running or runs after it; and never are both refused. The folder is writable, with half of
# the rounds over the empty lock a copy killed as it locked the folder leaves behind (writable); or the
# lock file cannot be made, or once made cannot be written, as on a full disk (full-disk); or its top is
# not the user's to write though CFG, DWGS and LIBS are, as in a shared install (unwritable-top: the
# superuser runs the copies as nobody); or another program holds this computer's lock of the folder
# throughout, so that the lock file alone keeps the runs apart (beside-another-program).
# Around a kill (around-a-kill, and around-a-kill-unwritable-top under a top as in unwritable-top): the
# program KORVANE holds the folder and is killed while runs start, forty in a round, paced at one every
# half millisecond (or as fast as this shell starts them, which the tally says); runs started while it
# ends wait for it or are refused, and never one goes on without a lock nor two at once (where lines of a
# drawing are lost). The rounds' tally is printed, and the test fails at its end if any did.
# Usage: racing_starts.sh KORVANE-SCRIPT [ROUNDS] [writable|full-disk|unwritable-top|beside-another-program]
#        racing_starts.sh KORVANE-SCRIPT ROUNDS around-a-kill|around-a-kill-unwritable-top KORVANE
set -euo pipefail
runner=$1
rounds=${2:-60}
mode=${3:-writable}
program=${4:-}
case $mode in
around-a-kill*) [ -n "$program" ] || { echo "$mode needs the program to kill"; exit 2; } ;;
esac

work=$(mktemp -d)
folder=$work/folder
lock=$folder/KORVANE.LCK
mkdir "$folder"
cleanup() {
    for pid in ${racers[@]+"${racers[@]}"} ${other_program:-} ${holder:-}; do kill -9 "$pid" 2>/dev/null || true; done
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

# Whoever runs this has the folder: it shows what it was told as it started (of a lock it lacks), marks
# the folder as its own while inside, and shows the lock as it stands at the end of its run where there is
# one.
: >"$work/inside"
{
    printf 'show messages\nexpect nofile DWGS/INSIDE\ncopy inside DWGS/INSIDE\n'
    printf 'dialog 2024 ok 2027="HOUSE" 2026=on 2209=on\ncommand 230\n'
    printf 'expect file DWGS/INSIDE ""\nremove DWGS/INSIDE\n'
    case $mode in writable | beside-another-program | around-a-kill) printf 'show file KORVANE.LCK\n' ;; esac
} >"$work/hold.ks"

# What a run is told as it starts where it goes on with no lock.
without_a_lock="A second copy of Korvane started on it would not be refused"

# How each racer starts: each keeps the process id it is started with.
launch=()
# The program to kill holds the folder as its own.
[ -z "$program" ] || cp "$program" "$folder/korvane"
case $mode in
writable | around-a-kill) ;;
full-disk)
    command -v strace >/dev/null || { echo "strace is not installed (scripts/packages.txt)"; exit 1; }
    ;;
unwritable-top | around-a-kill-unwritable-top)
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

# Around a kill: the rounds' tally, which fails the test at its end where a run went on without a lock or
# two were inside at once.
if [[ $mode = around-a-kill* ]]; then
    # Whether the program holds this computer's lock of the folder, as the kernel lists it (its mount's
    # device numbers in hexadecimal, then its inode).
    IFS=: read -r major minor < <(findmnt -rn -o MAJ:MIN -T "$folder")
    identity=$(printf '%02x:%02x:%d' "$major" "$minor" "$(stat -c %i "$folder")")
    holds_folder() { awk -v id="$identity" -v pid="$1" '$2 == "FLOCK" && $5 == pid && $6 == id { found = 1 } END { exit !found }' /proc/locks; }
    runs=40
    killed_at=10
    started=0 ran=0 refused=0 unseen=0 without_lock=0 two_inside=0 rounds_lost=0 spread=0
    for ((round = 1; round <= rounds; round++)); do
        # Started by a shell that leaves it at once, so that this one has no word to say of its end.
        holder=$(sh -c '"$@" >"$0" 2>&1 & echo $!' "$work/holder.out" ${launch[@]+"${launch[@]}"} "$folder/korvane")
        deadline=$((SECONDS + 20))
        until holds_folder "$holder"; do
            kill -0 "$holder" 2>/dev/null || fail "the program ended before it held the folder"
            ((SECONDS < deadline)) || fail "the program did not hold the folder"
            sleep 0.01
        done
        racers=()
        # The clock in microseconds, whatever the locale's decimal mark.
        first=${EPOCHREALTIME//[!0-9]/}
        next=$first
        for ((racer = 0; racer < runs; racer++)); do
            ((racer != killed_at)) || kill -9 "$holder"
            (exec ${launch[@]+"${launch[@]}"} "$runner" "$folder" "$work/hold.ks" >"$work/$racer.out" 2>"$work/$racer.err") &
            racers+=($!)
            next=$((next + 500))
            while ((${EPOCHREALTIME//[!0-9]/} < next)); do :; done
        done
        spread=$((spread + ${EPOCHREALTIME//[!0-9]/} - first))
        killed=$holder
        holder=
        lost=0
        for ((racer = 0; racer < runs; racer++)); do
            status=0
            wait "${racers[$racer]}" || status=$?
            started=$((started + 1))
            went_wrong=
            if grep -q "$without_a_lock" "$work/$racer.out"; then
                without_lock=$((without_lock + 1))
                went_wrong=1
            fi
            if grep -q "DWGS/INSIDE" "$work/$racer.err"; then
                two_inside=$((two_inside + 1))
                lost=1
                went_wrong=1
            fi
            if [ -n "$went_wrong" ]; then
                echo "round $round: run $racer (process ${racers[$racer]}) went on beside another, or without a lock:"
                grep -hv '^QStandardPaths' "$work/$racer.out" "$work/$racer.err"
                continue
            fi
            case $status in
            0)
                ran=$((ran + 1))
                if [ "$mode" = around-a-kill ]; then
                    holding=$(sed -n '1p' "$work/$racer.out")
                    [ "$holding" = "${racers[$racer]}" ] ||
                        fail "run $racer (process ${racers[$racer]}) ended holding a lock that names '$holding'"
                fi
                ;;
            2)
                refused=$((refused + 1))
                grep -qE "Korvane is already running on this folder( \([^)]*\))?:$" "$work/$racer.err" ||
                    fail "run $racer was refused, and not as beside a running copy"
                ! grep -q "a copy this one cannot see" "$work/$racer.err" || unseen=$((unseen + 1))
                ;;
            *) fail "run $racer ended with $status" ;;
            esac
        done
        racers=()
        rounds_lost=$((rounds_lost + lost))
        # Only the killed program's lock file may be left, where no run took it over; a run's mark of
        # being inside goes where two were.
        if [ -e "$lock" ] && [ "$(sed -n '1p' "$lock")" != "$killed" ]; then fail "the runs left the folder locked"; fi
        rm -f "$folder/DWGS/INSIDE"
    done
    echo "$rounds rounds ($mode) of $runs runs around a kill, started $((spread / started)) µs apart:" \
        "of $started runs, $ran ran and $refused were refused ($unseen by a copy they could not see);" \
        "$without_lock ran without a lock; $two_inside found another inside, in $rounds_lost rounds"
    ((without_lock == 0 && two_inside == 0))
    exit
fi

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
            ! grep -q "$without_a_lock" "$work/$racer.out" || fail "run $racer went on without a lock"
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
