#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests that rename, list and browse with their temporary folders on a fresh file
# system of each type named (all of them when none is), each in a machine of its own, and
# prints one line per file system; with --skips, what was skipped there and why below it.
# vfat, ext4, btrfs and xfs run under user-mode Linux; exfat, case-folding ext4 (casefold) and
# ntfs under QEMU with a Debian kernel that has them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

all=(vfat ext4 btrfs xfs exfat casefold ntfs)
show_skips=false
if [ "${1:-}" = --skips ]; then
    show_skips=true
    shift
fi
systems=("$@")
[ ${#systems[@]} -eq 0 ] && systems=("${all[@]}")
for fs in "${systems[@]}"; do
    [[ " ${all[*]} " == *" $fs "* ]] || { echo "No such file system here: $fs" >&2; exit 2; }
done

# What one program may take inside a machine, and the machine in all: over three times what
# the slowest took on a quiet 2-core machine (under user-mode Linux, FAT's tst_listhandlers in
# 105 s, every write flushed), so that a busy machine does not run out of time. QEMU here
# emulates its processor, several times slower, and gets longer still.
native_program_limit=360
native_machine_limit=900
emulated_program_limit=900
emulated_machine_limit=2400

needs_qemu=false
for fs in "${systems[@]}"; do
    case "$fs" in exfat | casefold | ntfs) needs_qemu=true ;; esac
done
packages=(user-mode-linux kmod e2fsprogs dosfstools btrfs-progs xfsprogs)
$needs_qemu && packages+=(exfatprogs ntfs-3g qemu-system-x86 busybox-static xz-utils
    debian-archive-keyring)
scripts/install-deps.sh "${packages[@]}"
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null

work=$(mktemp -d /tmp/brindlewick-filesystems.XXXXXX)
# The tests pass through it as an ordinary user too.
chmod 755 "$work"
machines=()
cleanup() {
    local machine
    for machine in "${machines[@]}"; do kill -KILL -- "-$machine" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

ctest --test-dir build -N -V -L filesystem | sed -n 's/^.*Test command: //p' >"$work/programs"
[ -s "$work/programs" ] || { echo "No file-system tests were built" >&2; exit 1; }

if $needs_qemu; then
    # shellcheck source=scripts/fs-machine/qemu.sh
    source scripts/fs-machine/qemu.sh
    qemu_prepare "$work/qemu" || echo "QEMU or a Debian kernel could not be had" >"$work/no-qemu"
fi

make_image() {
    local fs=$1 image=$2 size=1G
    [ "$fs" = vfat ] && size=512M
    truncate -s "$size" "$image" || return
    case "$fs" in
        vfat) mkfs.vfat -F 32 "$image" ;;
        # Enough numbers for the tests of more files than sixteen bits count.
        ext4) mkfs.ext4 -q -F -i 4096 "$image" ;;
        casefold) mkfs.ext4 -q -F -i 4096 -O casefold "$image" ;;
        btrfs) mkfs.btrfs -q -f "$image" ;;
        xfs) mkfs.xfs -q -f "$image" ;;
        exfat) mkfs.exfat "$image" ;;
        ntfs) mkfs.ntfs -q -F -Q "$image" ;;
    esac >/dev/null 2>&1
}

# Starts the machine for one file system in the background, in a process group of its own, and
# sets machine to its number (0 when there is none to wait for).
start_machine() {
    machine=0
    local fs=$1 dir=$work/$1
    [ -d "$dir" ] || mkdir -m 755 "$dir"
    cp "$work/programs" "$dir/programs"
    make_image "$fs" "$dir/image" || { echo "cannot make the image" >"$dir/skip"; return; }
    local settings=(brindlewick.fs="$fs" brindlewick.work="$dir")
    case "$fs" in
        vfat | ext4 | btrfs | xfs)
            settings+=(brindlewick.limit="$native_program_limit")
            echo "$native_program_limit" >"$dir/limit"
            # Its control socket goes in the work folder too, not in ~/.uml.
            setsid timeout -k 10 "$native_machine_limit" linux.uml mem=1536M uml_dir="$work" \
                root=/dev/root rootfstype=hostfs rootflags=/ rw ubd0="$dir/image" \
                init="$root/scripts/fs-machine/guest.sh" con=null con0=null,fd:1 \
                "${settings[@]}" brindlewick.disk=/dev/ubda </dev/null >"$dir/console" 2>&1 &
            ;;
        *)
            local type=$fs
            [ "$fs" = casefold ] && type=ext4
            [ "$fs" = ntfs ] && type=ntfs3
            if [ -f "$work/no-qemu" ]; then
                cp "$work/no-qemu" "$dir/skip"
                return
            fi
            if ! qemu_has_fs "$type"; then
                echo "no kernel from Debian's archive here mounts $type" >"$dir/skip"
                return
            fi
            settings+=(brindlewick.limit="$emulated_program_limit")
            echo "$emulated_program_limit" >"$dir/limit"
            # One processor, as under user-mode Linux: two would only race each other here.
            qemu_cache_dir=$qemu_cache_dir QEMU_SMP=1 setsid bash -c \
                'source scripts/fs-machine/qemu.sh && qemu_run "$@"' qemu "$dir/image" \
                "$root/scripts/fs-machine/guest.sh" "$dir/console" "$emulated_machine_limit" \
                "${settings[*]} brindlewick.disk=/dev/vda brindlewick.mountpoint=/fs" </dev/null &
            ;;
    esac
    machine=$!
    machines+=("$machine")
}

# True when the machine of one file system ended before it reached its tests, with nothing said
# that would explain it (a skip or a refused mount): its kernel or emulator failed, not the tests.
never_reached_tests() {
    local dir=$work/$1
    [ ! -f "$dir/skip" ] && [ ! -f "$dir/mounted" ] && [ ! -f "$dir/mount-error" ]
}

# Sums what the programs of one machine said into one line.
report() {
    local fs=$1 dir=$work/$1 seconds=$2
    if [ -f "$dir/skip" ]; then
        printf '%-9s skipped: %s\n' "$fs" "$(cat "$dir/skip")"
        skipped=$((skipped + 1))
        return
    fi
    if [ ! -f "$dir/mounted" ] && [ -f "$dir/mount-error" ]; then
        printf '%-9s skipped: its kernel cannot mount it: %s\n' "$fs" "$(head -n 1 "$dir/mount-error")"
        skipped=$((skipped + 1))
        return
    fi
    if [ ! -f "$dir/mounted" ]; then
        printf '%-9s FAILED: the machine never reached its tests, twice; its consoles ended:\n' "$fs"
        tail -n 5 "$dir/console.first" 2>/dev/null | sed 's/^/    /'
        echo '    ...'
        tail -n 5 "$dir/console" 2>/dev/null | sed 's/^/    /'
        bad=$((bad + 1))
        return
    fi
    local passed=0 failed=0 skips=0 broken=() program name rc took slowest=0 slowest_name=
    local limit
    limit=$(cat "$dir/limit")
    while read -r program; do
        name=$(basename "$program")
        if [ ! -f "$dir/results/$name.rc" ]; then
            broken+=("$name (did not finish)")
            continue
        fi
        read -r rc took <"$dir/results/$name.rc"
        if [ "$took" -gt "$slowest" ]; then
            slowest=$took
            slowest_name=$name
        fi
        local totals
        totals=$(grep '^Totals:' "$dir/results/$name.txt" | tail -n 1 || true)
        if [[ $totals =~ ([0-9]+)\ passed,\ ([0-9]+)\ failed,\ ([0-9]+)\ skipped ]]; then
            passed=$((passed + BASH_REMATCH[1]))
            failed=$((failed + BASH_REMATCH[2]))
            skips=$((skips + BASH_REMATCH[3]))
        fi
        # Killed by its limit, whichever signal ended it: a failure, never a skip.
        if [ "$took" -ge "$limit" ]; then
            broken+=("$name (timed out after ${took} s)")
        elif [ "$rc" -ne 0 ] || [ -z "$totals" ]; then
            broken+=("$name (exit $rc)")
        fi
    done <"$dir/programs"
    local line="$passed passed, $failed failed, $skips skipped in ${seconds}s"
    [ -n "$slowest_name" ] && line+=" (slowest $slowest_name, ${slowest}s of ${limit}s)"
    if [ ${#broken[@]} -eq 0 ]; then
        printf '%-9s passed: %s\n' "$fs" "$line"
        ok=$((ok + 1))
    else
        printf '%-9s FAILED: %s; %s\n' "$fs" "$line" "$(printf '%s, ' "${broken[@]}" | sed 's/, $//')"
        grep -h -A3 '^FAIL!' "$dir"/results/*.txt | sed 's/^/    /' || true
        bad=$((bad + 1))
    fi
    if $show_skips; then
        sed -nE 's/^SKIP +: [^:]+::([A-Za-z0-9_]+)\([^)]*\) (.*)/\1: \2/p' "$dir"/results/*.txt \
            2>/dev/null | sort | uniq -c | sed 's/^/    /'
    fi
}

ok=0 bad=0 skipped=0
# One machine a processor; each runs one program at a time.
slots=$(nproc)
declare -A started
pending=("${systems[@]}")
running=()
while [ ${#pending[@]} -gt 0 ] || [ ${#running[@]} -gt 0 ]; do
    while [ ${#pending[@]} -gt 0 ] && [ ${#running[@]} -lt "$slots" ]; do
        fs=${pending[0]}
        pending=("${pending[@]:1}")
        started[$fs]=$SECONDS
        start_machine "$fs"
        running+=("$fs:$machine")
    done
    still=()
    for entry in "${running[@]}"; do
        fs=${entry%%:*} pid=${entry#*:}
        if [ "$pid" != 0 ] && kill -0 "$pid" 2>/dev/null; then
            still+=("$entry")
        else
            [ "$pid" != 0 ] && { wait "$pid" 2>/dev/null || true; }
            rm -f "$work/$fs/image"
            # An emulated kernel has been seen to panic while booting, once in many runs; one
            # more start tells that apart from a machine that cannot run the tests at all.
            if [ "$pid" != 0 ] && never_reached_tests "$fs" && [ ! -f "$work/$fs/console.first" ]; then
                mv "$work/$fs/console" "$work/$fs/console.first" 2>/dev/null ||
                    : >"$work/$fs/console.first"
                printf '%-9s the machine stopped before its tests; starting it once more\n' "$fs"
                pending=("$fs" "${pending[@]}")
                continue
            fi
            report "$fs" $((SECONDS - started[$fs]))
        fi
    done
    running=("${still[@]}")
    [ ${#running[@]} -gt 0 ] && sleep 1
done

echo "filesystems: $ok passed, $bad failed, $skipped skipped"
[ "$bad" -eq 0 ]
