#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a machine whose root is the host's own: mounts the file system under test, runs
# each test program with its temporary folders there, and leaves what they said in the work
# folder for scripts/test-filesystems.sh. Its settings come on the kernel's command line.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
setting() { tr ' ' '\n' </proc/cmdline | sed -n "s/^brindlewick\.$1=//p"; }

# Started as the machine's first process, nothing is mounted yet and it powers off when done.
first=false
if [ "$$" -eq 1 ]; then
    first=true
    mount -t proc proc /proc
    mount -t sysfs sys /sys
    mount -t tmpfs shm /dev/shm 2>/dev/null
fi
finish() {
    sync
    if $first; then halt -f -p; fi
    exit 0
}

fs=$(setting fs)
disk=$(setting disk)
work=$(setting work)
limit=$(setting limit)
[ -d "$work" ] || finish

# A kernel built with its file systems as modules, and no /lib/modules of its own: vfat's and
# FUSE's modules load by path, in the order they need each other.
modules=/usr/lib/uml/modules/$(uname -r)/kernel/fs
for module in fat/fat fat/vfat nls/nls_cp437 nls/nls_iso8859-1 nls/nls_utf8 fuse/fuse; do
    [ -f "$modules/$module.ko" ] && insmod "$modules/$module.ko" 2>/dev/null
done

# As a desktop mounts them: FAT with names in UTF-8, short names kept as they were written and
# its writes put on the stick early; NTFS refusing names that Windows could not open.
case "$fs" in
    vfat) type=vfat options=shortname=mixed,utf8,flush ;;
    ntfs) type=ntfs3 options=windows_names ;;
    casefold) type=ext4 options=defaults ;;
    *) type=$fs options=defaults ;;
esac
# Where the machine has no place of its own for it, the disk goes in the work folder.
mountpoint=$(setting mountpoint)
[ -n "$mountpoint" ] || mountpoint=$work/mnt
mkdir -p "$mountpoint"
if ! mount -t "$type" -o "$options" "$disk" "$mountpoint" 2>"$work/mount-error"; then
    finish
fi
temporary=$mountpoint/tmp
mkdir "$temporary"
chmod 1777 "$temporary" # a temporary folder for everyone, as /tmp is
# Case folding is a folder's property, and only an empty folder can take it.
[ "$fs" = casefold ] && chattr +F "$temporary"
echo mounted >"$work/mounted"

mkdir -p "$work/results"
# A line may name test functions after the program, to run only those.
while read -r program arguments; do
    name=$(basename "$program")
    start=$(date +%s)
    # shellcheck disable=SC2086
    TMPDIR=$temporary QT_QPA_PLATFORM=offscreen timeout -k 5 "$limit" "$program" $arguments \
        >"$work/results/$name.txt" 2>&1
    echo "$? $(($(date +%s) - start))" >"$work/results/$name.rc"
done <"$work/programs"

umount "$mountpoint"
finish
