#!/usr/bin/env bash
# One copy of the program per program folder. While the program runs in a folder, a scripted run there
# and a second copy of the program are refused at start and say why, and neither touches the folder's
# drawings; a folder copied from it, its lock file with it, is another folder, where a run goes on. Once
# the program has been killed, the lock it left behind stops no one, even one killed before it wrote who
# holds it, and a run that ends lets the folder go. What stands at the lock's place and is no lock of a
# copy running here (a named pipe, a folder, a lock of another computer, even one cloned from this one)
# is refused at once, with a message that names it and says to remove it. A lock a copy of this computer
# left when it ended is taken over at once, whoever left it, whatever the file system's native locks; one
# that cannot be removed stops no one on this computer, and the start says so, as it says when no lock
# can be had at all. A run in another network namespace is refused beside the program even without native
# locks, and another user's program that holds this computer's lock of the folder keeps no one out and is
# named as no copy, but a holder caught as it ends keeps a run out. Where no lock file can be made, a run
# beside another program that holds the folder's lock goes on saying so, naming it, and one that looks at
# that program as it lets go and a copy takes the lock is refused by the copy; a copy in another network
# namespace and one outside it never both run, whichever starts first, nor do a copy in a process
# namespace of its own and one outside it, nor two users' copies where /proc hides each from the other;
# the one that cannot see the other says so.
# Usage: one_copy_per_folder.sh KORVANE KORVANE-SCRIPT ENDING-HOLDER
set -euo pipefail
program=$1
runner=$2
ending_holder=$3

work=$(mktemp -d)
folder=$work/folder
mkdir "$folder"
cleanup() {
    for pid in ${first:-} ${refused:-} ${writer:-} ${backup:-} ${looking:-}; do kill -9 "$pid" 2>/dev/null || true; done
    [ -z "${group:-}" ] || kill -9 -- "-$group" 2>/dev/null || true
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
deadline=$((SECONDS + 50))
fail() {
    echo "$1"
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "== $log"; cat "$log"; }
    done
    exit 1
}
# Repeats a check until it holds; fails the test, naming WHAT, when time is up.
await() {
    local what=$1
    shift
    until "$@" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "timed out waiting until $what"
        sleep 0.1
    done
}

# A scripted run that is refused within a few seconds (longer counts as hanging), saying TEXT and
# making no drawing; WHAT names it in the logs and the failures, the words after TEXT start it.
refused_with() {
    local what=$1 text=$2 status=0
    shift 2
    timeout 10 "$@" "$runner" "$folder" "$work/new_drawing.ks" >"$work/$what.log" 2>&1 || status=$?
    [ "$status" = 2 ] || fail "the run $what ended with $status, not 2"
    grep -qF "$text" "$work/$what.log" || fail "the run $what did not say: $text"
    [ ! -e "$folder/DWGS/HOUSE.DB0" ] || fail "the run $what made a drawing"
}
# A copy of the program that says what PATTERN matches before anything else (then waits for its
# message box, and is killed).
program_refused_with() {
    local log=$work/program_$1.log
    "$folder/korvane" >"$log" 2>&1 &
    refused=$!
    await "the program $1 says so" grep -q "$2" "$log"
    kill -9 "$refused"
    wait "$refused" 2>/dev/null || true
    refused=
}

# A script that makes a drawing: whoever runs it has the folder.
printf 'dialog 2024 ok 2027="HOUSE" 2026=on 2209=on\ncommand 230\nexpect file DWGS/HOUSE.DB0 line 1 "4 0 0 0 1 1"\n' \
    >"$work/new_drawing.ks"

# The program folder is the executable's folder.
cp "$program" "$folder/korvane"
"$folder/korvane" >"$work/first.log" 2>&1 &
first=$!
first_holds_folder() { kill -0 "$first" && [ -e "$folder/KORVANE.LCK" ] && [ -e "$folder/LIBS" ]; }
await "the program takes its folder" first_holds_folder

refused_with beside_the_program "Korvane is already running on this folder"
# A second copy of the program says so too.
program_refused_with beside_the_program "Korvane is already running on this folder (process $first on .*):$"
# A folder copied from it as it runs, its lock file with it, is another folder: a run there goes on, and
# the first folder stays held.
cp -a "$folder" "$work/copied"
[ -s "$work/copied/KORVANE.LCK" ] || fail "the copied folder has no lock file: the test shows nothing"
timeout 10 "$runner" "$work/copied" "$work/new_drawing.ks" >"$work/in_a_copied_folder.log" 2>&1 ||
    fail "a run in a folder copied from the program's was refused"
rm -r "$work/copied"
refused_with beside_the_program_after_a_copy "Korvane is already running on this folder"
# So does a run in another network namespace of this computer (a sandbox, a container) where the file
# system keeps no native locks, neither of the folder nor of files: KORVANE.LCK keeps it out.
this_host=$(uname -n)
netns=()
if ((EUID == 0)) && unshare -n true 2>/dev/null; then
    netns=(unshare -n)
elif unshare -rn true 2>/dev/null; then
    netns=(unshare -rn)
fi
if ((${#netns[@]})); then
    refused_with in_another_network_namespace "Korvane is already running on this folder (process $first on $this_host):" \
        "${netns[@]}" strace -f -o "$work/other_namespace.log" -e trace=flock -e inject=flock:error=ENOLCK
    grep -q "ENOLCK.*(INJECTED)" "$work/other_namespace.log" || fail "no native lock failed: the test shows nothing"
else
    echo "no other network namespace can be made here: a run in one is not tried"
fi

# Killed, the program leaves its lock file behind; it holds the folder no more.
kill -9 "$first"
wait "$first" 2>/dev/null || true
first=
[ -e "$folder/KORVANE.LCK" ] || fail "the killed program left no lock file: the test shows nothing"
"$runner" "$folder" "$work/new_drawing.ks" >"$work/after_kill.log" 2>&1 || fail "a run after the program was killed was refused"
[ ! -e "$folder/KORVANE.LCK" ] || fail "the finished run kept the folder locked"

# What stands at the lock's place and is no lock of a copy running here is refused at once.
lock=$folder/KORVANE.LCK
rm "$folder/DWGS/HOUSE.DB0"
# A named pipe, which a reader would wait on for a writer for good.
mkfifo "$lock"
refused_with over_a_pipe "$lock is not a file, so this folder cannot be locked: remove it and start again."
program_refused_with over_a_pipe "$lock is not a file"
rm "$lock"
mkdir "$lock"
refused_with over_a_folder "$lock is not a file, so this folder cannot be locked: remove it and start again."
rmdir "$lock"
# A lock of another computer, whose process this one cannot see run or end.
printf '4242\nkorvane\nelsewhere.example\n' >"$lock"
refused_with over_a_lock_of_another_computer "$lock was left by Korvane on another computer (process 4242 on elsewhere.example): if it no longer runs there, remove the file and start again."
: >"$lock"
# Another process that takes the native lock (flock) of PATH and keeps it for 30 s, in the background.
holds_natively() {
    (
        exec 9<"$1"
        flock 9
        exec sleep 30
    ) &
}
# A lock that names no holder and that a live process holds is being written: refused as running.
holds_natively "$lock"
writer=$!
lock_held() { ! flock -n "$lock" true; }
await "the writer holds the lock" lock_held
refused_with over_a_lock_being_written "Korvane is already running on this folder"
kill "$writer"
wait "$writer" 2>/dev/null || true
writer=
[ -e "$lock" ] || fail "a run removed the lock that was being written"
# The same, left by a copy that was killed before it wrote its holder: taken over at once.
timeout 10 "$runner" "$folder" "$work/new_drawing.ks" >"$work/over_an_empty_lock.log" 2>&1 ||
    fail "a run over an empty lock that no one holds was refused"
[ ! -e "$lock" ] || fail "the finished run kept the folder locked"
rm "$folder/DWGS/HOUSE.DB0"
# A copy killed as it writes its holder, as a kill or a power loss may come at any moment of a start;
# the next start takes the folder at once.
command -v strace >/dev/null || fail "strace is not installed (scripts/packages.txt)"
status=0
strace -f -o "$work/strace.log" -P "$lock" -e inject=write:signal=SIGKILL \
    "$runner" "$folder" "$work/new_drawing.ks" >"$work/killed_as_it_locks.log" 2>&1 || status=$?
grep -q "killed by SIGKILL" "$work/strace.log" || fail "strace did not kill the run as it wrote its lock ($status)"
[ -e "$lock" ] && [ ! -s "$lock" ] || fail "the killed run left no empty lock: the test shows nothing"
timeout 10 "$runner" "$folder" "$work/new_drawing.ks" >"$work/after_a_kill_as_it_locks.log" 2>&1 ||
    fail "a run after a copy was killed as it wrote its lock was refused"
[ ! -e "$lock" ] || fail "the finished run kept the folder locked"

rm "$folder/DWGS/HOUSE.DB0"

# A run that goes on, taking the folder at once and letting it go as it ends; the words after WHAT start
# it (another user, a tracer).
runs() {
    local what=$1 status=0
    shift
    timeout 10 "$@" "$runner" "$folder" "$work/new_drawing.ks" >"$work/$what.log" 2>&1 || status=$?
    [ "$status" = 0 ] || fail "the run $what ended with $status"
    [ ! -e "$lock" ] || fail "the run $what kept the folder locked"
    rm "$folder/DWGS/HOUSE.DB0"
}
# A lock file as a copy of this computer leaves it when it ends: it names a process that has ended.
ended=$(sh -c 'echo $$')
left_lock() { printf '%s\nkorvane\n%s\n' "$ended" "$this_host" >"$lock"; }

# One left by a copy killed while it cleared a stale lock, beside what it was clearing with.
left_lock
: >"$lock.rmlock"
runs beside_a_lock_being_cleared
rm "$lock.rmlock"
# One on a file system that keeps no native locks.
left_lock
runs without_native_locks strace -f -o "$work/no_native_locks.log" -e trace=flock -e inject=flock:error=ENOLCK
grep -q "ENOLCK.*(INJECTED)" "$work/no_native_locks.log" || fail "no native lock failed: the test shows nothing"
# Whatever holds the native lock of the program folder itself (a backup tool, say) stops no one.
holds_natively "$folder"
backup=$!
# Whether a process holds this computer's lock of the folder, as the kernel lists it (its mount's device
# numbers in hexadecimal, then its inode), without taking it to see.
IFS=: read -r major minor < <(findmnt -rn -o MAJ:MIN -T "$folder")
identity=$(printf '%02x:%02x:%d' "$major" "$minor" "$(stat -c %i "$folder")")
folder_locked() { awk -v id="$identity" '$2 == "FLOCK" && $6 == id { found = 1 } END { exit !found }' /proc/locks; }
await "the backup holds the folder" folder_locked
runs while_a_backup_holds_the_folder
kill "$backup"
wait "$backup" 2>/dev/null || true
backup=
# A holder caught as it ends, its executable gone and its lock not yet, is no program a run can see: it
# keeps a run out while it holds, as a copy that is killed does for a moment.
"$ending_holder" "$folder" >"$work/ending_holder.log" 2>&1 &
backup=$!
await "the ending holder holds the folder" grep -q holding "$work/ending_holder.log"
unseen="Korvane is already running on this folder (a copy this one cannot see: in another process namespace, hidden from this user, or still ending):"
refused_with beside_an_ending_holder "$unseen"
kill -9 "$backup"
wait "$backup" 2>/dev/null || true
backup=
await "the ending holder lets the folder go" eval '! folder_locked'

# Another user's program that holds this computer's lock of the folder, as any user's may (the superuser
# runs it as nobody), keeps no one out and is named as no copy: the program starts beside it, and
# KORVANE.LCK alone then refuses a run, naming the program.
other_program=()
if ((EUID == 0)); then
    other_program=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    chmod 755 "$work"
fi
# That program, in the background (`backup`).
another_program_holds_the_folder() {
    ${other_program[@]+"${other_program[@]}"} perl -MFcntl=:flock,O_RDONLY -e \
        'sysopen(my $folder, $ARGV[0], O_RDONLY) or die "$!\n"; flock($folder, LOCK_EX) or die "$!\n"; sleep 60' \
        "$folder" >"$work/other_program.log" 2>&1 &
    backup=$!
    await "another program holds the folder" folder_locked
}
another_program_holds_the_folder
"$folder/korvane" >"$work/beside_another_program.log" 2>&1 &
first=$!
program_starts() {
    ! grep -q "already running" "$work/beside_another_program.log" || fail "the program beside another program was refused"
    kill -0 "$first" && [ -e "$lock" ]
}
await "the program takes its folder beside another program" program_starts
refused_with beside_the_program_and_another_program "Korvane is already running on this folder (process $first on $this_host):"
kill -9 "$first" "$backup"
wait "$first" "$backup" 2>/dev/null || true
first=
backup=
rm "$lock"

# A computer made from this one's image keeps its machine id but is another computer.
machine_id=$(cat /etc/machine-id 2>/dev/null || cat /var/lib/dbus/machine-id 2>/dev/null || true)
printf '4242\nkorvane\nelsewhere.example\n%s\n' "$machine_id" >"$lock"
refused_with over_a_lock_of_a_cloned_computer "$lock was left by Korvane on another computer (process 4242 on elsewhere.example): if it no longer runs there, remove the file and start again."
rm "$lock"

# Another user: the superuser runs copies as nobody, anyone else as themselves (the folder's top is theirs
# to make read-only).
other=()
if ((EUID == 0)); then
    command -v setpriv >/dev/null || fail "setpriv is missing: no other user to run as"
    other=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    chmod 755 "$work"
    chown -R nobody: "$folder"
    # A lock the superuser's copy left in a folder that is the user's.
    left_lock
    chown root: "$lock"
    runs over_another_users_left_lock "${other[@]}"
    chown root: "$folder"
else
    echo "not the superuser: a lock left by another user is not tried"
fi
# A folder whose top the user may not write, though CFG, DWGS and LIBS they may: a lock left there by an
# ended copy cannot be removed; copies of this computer are kept out all the same.
left_lock
chmod 555 "$folder"
# The script of a run that goes on and says TEXT once as it starts.
says_as_it_starts() {
    { printf 'expect message "%s" "START"\nexpect nomessage\n' "$1"; cat "$work/new_drawing.ks"; } >"$work/says.ks"
}
says_as_it_starts "$lock was left by a copy of Korvane that has ended (process $ended on $this_host), and it cannot be removed (Permission denied): Korvane on another computer is refused on this folder until a user who may change the folder removes the file."
timeout 10 ${other[@]+"${other[@]}"} "$runner" "$folder" "$work/says.ks" >"$work/over_a_kept_lock.log" 2>&1 ||
    fail "the run over a lock it cannot remove did not go on saying why"
[ -e "$lock" ] || fail "the lock that could not be removed is gone: the test shows nothing"
chmod u+w "$folder"
rm "$lock" "$folder/DWGS/HOUSE.DB0"
chmod 555 "$folder"
# Where no lock of any kind can be had (no lock file there, nor a lock of the folder's own), a start says so.
says_as_it_starts 'This folder cannot be locked:\n'"$folder"'/\nA second copy of Korvane started on it would not be refused: run one at a time, as two copies on one folder save over each other'"'"'s drawings.'
timeout 10 strace -f -o "$work/no_folder_lock.log" -e trace=flock -e inject=flock:error=ENOLCK \
    ${other[@]+"${other[@]}"} "$runner" "$folder" "$work/says.ks" >"$work/with_no_lock.log" 2>&1 ||
    fail "the run with no lock did not go on saying so"
rm "$folder/DWGS/HOUSE.DB0"

# The program, started in the namespace the words after WHAT make, in a process group of its own that is
# killed whole: a process namespace's first process, the program as another user, outlives its maker.
holds_the_folder() {
    local what=$1
    shift
    setsid "$@" ${other[@]+"${other[@]}"} "$folder/korvane" >"$work/program_$what.log" 2>&1 &
    group=$!
    await "the program $what locks its folder" folder_locked
}
lets_go() {
    kill -9 -- "-$group"
    wait "$group" 2>/dev/null || true
    group=
    await "the program, killed, lets the folder go" eval '! folder_locked'
}

# Where another program holds this computer's lock of the folder, and no lock file can be made, a start
# goes on without a lock and says so, naming that program's process.
another_program_holds_the_folder
says_as_it_starts "Another program (process $backup on $this_host) holds this folder's lock, and KORVANE.LCK cannot be made in it (Permission denied):\n$folder/\nA second copy of Korvane started on it would not be refused: run one at a time, as two copies on one folder save over each other's drawings."
timeout 10 ${other[@]+"${other[@]}"} "$runner" "$folder" "$work/says.ks" >"$work/beside_another_program_with_no_lock.log" 2>&1 ||
    fail "the run beside another program with no lock file did not go on saying so"
rm "$folder/DWGS/HOUSE.DB0"
# A copy that takes the folder's lock while a start looks at the program that let it go is the copy it
# is: the start is held up as it looks, and meanwhile the program ends and the copy takes the lock.
strace -f -o "$work/looks.log" -e trace=readlink,readlinkat -e inject=readlink,readlinkat:delay_enter=5000000 \
    -P "/proc/$backup/exe" ${other[@]+"${other[@]}"} "$runner" "$folder" "$work/new_drawing.ks" \
    >"$work/as_the_holder_changes.log" 2>&1 &
looking=$!
await "the start looks at the program" grep -qF "readlink(\"/proc/$backup/exe\"" "$work/looks.log"
kill "$backup"
wait "$backup" 2>/dev/null || true
backup=
holds_the_folder as_the_holder_changes
! grep -q DELAYED "$work/looks.log" || fail "the start looked again before the copy held the folder: the test shows nothing"
status=0
wait "$looking" || status=$?
looking=
[ "$status" = 2 ] && grep -qF "Korvane is already running on this folder (process $group on $this_host):" \
    "$work/as_the_holder_changes.log" || fail "the start as the holder changed ended with $status, not refused by the copy"
lets_go
[ ! -e "$folder/DWGS/HOUSE.DB0" ] || fail "the start as the holder changed made a drawing"

# Where /proc hides other users' processes from them, one user's copy keeps out another's whichever starts
# first: neither can see the other, and each takes what it cannot see for a copy.
hidden=(unshare -m sh -c 'mount -t proc -o hidepid=2 proc /proc && exec "$@"' hidden)
if ((EUID == 0)) && "${hidden[@]}" true 2>/dev/null; then
    second=(setpriv --reuid=65533 --regid=65533 --clear-groups)
    holds_the_folder hidden_from_another_user "${hidden[@]}"
    refused_with hidden_from_another_user "$unseen" "${hidden[@]}" "${second[@]}"
    lets_go
    first_user=("${other[@]}")
    other=("${second[@]}")
    holds_the_folder hidden_from_nobody "${hidden[@]}"
    other=("${first_user[@]}")
    refused_with hidden_from_nobody "$unseen" "${hidden[@]}" "${other[@]}"
    lets_go
else
    echo "/proc cannot be mounted to hide other users' processes here (the superuser may): copies so hidden are not tried"
fi

# Copies in other namespaces of this computer, where no lock file can be made, so that the folder's own lock
# alone keeps them apart. A namespace is made by the superuser, or by a user namespace that maps only this
# user, whose programs have no more rights than the user.
if ((EUID == 0)); then own=(unshare); else own=(unshare --map-current-user); fi
if ! "${own[@]}" -n true 2>/dev/null || ! "${own[@]}" -pf --mount-proc true 2>/dev/null; then
    echo "no network or process namespace can be made here: copies in them are not tried"
    exit 0
fi
in_network=("${own[@]}" -n)
in_process=("${own[@]}" --kill-child -pf --mount-proc)
running="Korvane is already running on this folder (process"
holds_the_folder outside
refused_with in_a_network_namespace "$running" "${in_network[@]}" ${other[@]+"${other[@]}"}
refused_with in_a_process_namespace "$unseen" "${in_process[@]}" ${other[@]+"${other[@]}"}
lets_go
holds_the_folder in_a_network_namespace "${in_network[@]}"
refused_with beside_a_network_namespace "$running" ${other[@]+"${other[@]}"}
lets_go
holds_the_folder in_a_process_namespace "${in_process[@]}"
refused_with beside_a_process_namespace "$running" ${other[@]+"${other[@]}"}
lets_go
