# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# QEMU machines for the file systems that the user-mode Linux kernel lacks (exFAT, case-folding
# ext4, NTFS through ntfs3). Sourced by the file system test script; defines
#
#   qemu_prepare DIR
#       Fetches a Debian kernel package into the new folder DIR (never into the host's /boot)
#       and builds a small initramfs there. QEMU and BusyBox must be installed.
#   qemu_has_fs exfat|ext4|ntfs3
#       True when the prepared kernel can mount that type ("ext4" here means with case-folding).
#   qemu_run IMAGE INIT_SCRIPT LOG LIMIT_SECONDS [EXTRA_CMDLINE]
#       Boots with IMAGE as /dev/vda and the host's root as the guest's / (shared read-write over
#       9p), runs INIT_SCRIPT there as root, and returns once the machine is off. The console goes
#       to LOG. Returns the script's exit status, 124 or 137 when LIMIT_SECONDS ran out, and 125
#       when the machine stopped without saying how the script ended. EXTRA_CMDLINE is appended
#       to the kernel command line, for the script to read from /proc/cmdline.
#
# Environment: QEMU_SMP (vCPUs, default 2), QEMU_MEMORY (default 2G), QEMU_ACCEL (default tcg:
# a /dev/kvm that is there need not work, as in nested virtual machines), DEBIAN_MIRROR.

# Kept when already set, for a shell that sources this again to run a prepared machine.
qemu_cache_dir=${qemu_cache_dir:-}

# Modules the guest loads, on top of what they need themselves. ext4 and jbd2 ask for crc32c
# through the crypto API, which modules.dep does not record; exfat needs the utf8 code page.
qemu_modules=(virtio_blk 9pnet_virtio 9p crc32c_generic ext4 exfat nls_utf8 ntfs3)

# Runs as PID 1 in the guest. It never exits on its own: an init that exits panics the kernel,
# and with panic=-1 and -no-reboot that would still stop QEMU, but without the exit status.
# shellcheck disable=SC2016
qemu_init_text='#!/bin/sh
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
exec </dev/null >/dev/console 2>&1

done_with() {
    read -r uptime _ </proc/uptime
    echo "brindlewick-guest-exit=$1 at $uptime s"
    sync
    poweroff -f
    echo o >/proc/sysrq-trigger
    sleep 60
}

while read -r module; do
    insmod "/modules/$module" || echo "brindlewick-init: could not load $module"
done </modules/order

script=
for word in $(cat /proc/cmdline); do
    case $word in brindlewick.init=*) script=${word#brindlewick.init=} ;; esac
done
[ -n "$script" ] || { echo "brindlewick-init: no brindlewick.init= on the command line"; done_with 125; }

mkdir -p /host /newroot
if ! mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000,cache=mmap host0 /host; then
    echo "brindlewick-init: could not mount the host root"
    done_with 125
fi
# A root of its own with the host'"'"'s folders bound in, and /fs beside them for the disk: below
# a network root every folder could stop answering, and the program would rightly ask none of
# them what it can do without.
mount -t tmpfs -o mode=755 root /newroot
for entry in /host/*; do
    name=${entry#/host/}
    if [ -L "$entry" ]; then
        ln -s "$(readlink "$entry")" "/newroot/$name"
    elif [ -d "$entry" ]; then
        mkdir "/newroot/$name"
        case $name in proc | sys | dev) ;; *) mount --bind "$entry" "/newroot/$name" ;; esac
    fi
done
mkdir -p /newroot/fs
# The host root shows the host'"'"'s /proc, /sys and /dev; the guest needs its own. The
# initramfs keeps its /proc too, to power off with.
mount -t proc proc /newroot/proc
mount -t sysfs sysfs /newroot/sys
mount -t devtmpfs devtmpfs /newroot/dev
mkdir -p /newroot/dev/shm /newroot/dev/pts
mount -t tmpfs -o mode=1777 tmpfs /newroot/dev/shm
mount -t devpts devpts /newroot/dev/pts

run=/bin/sh
[ -x "/newroot$script" ] && run=
chroot /newroot /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 $run "$script"
status=$?
chroot /newroot /bin/sync
done_with $status
'

# Runs apt-get or apt-cache on lists of its own in the cache folder.
qemu_apt() {
    local tool=$1
    shift
    "$tool" -o Dir::Etc::SourceList="$qemu_cache_dir/apt/sources.list" \
        -o Dir::Etc::SourceParts="$qemu_cache_dir/apt/sources.list.d" \
        -o Dir::State::Lists="$qemu_cache_dir/apt/lists" \
        -o Dir::Cache="$qemu_cache_dir/apt/cache" -o Dir::State::status=/dev/null \
        -o Debug::NoLocking=1 -o APT::Sandbox::User=root "$@"
}

# Prints the file name of the downloaded kernel package. Backports first: the release kernel of
# bookworm (6.1) has no ntfs3. Apt gets its own lists in the cache so that the host's sources stay
# as they are.
qemu_fetch_kernel() {
    local codename mirror suite package
    # shellcheck source=/dev/null
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
    mkdir -p "$qemu_cache_dir/apt/lists/partial" "$qemu_cache_dir/apt/cache/archives/partial" \
        "$qemu_cache_dir/apt/sources.list.d"
    for suite in "$codename-backports" "$codename"; do
        echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main" \
            >"$qemu_cache_dir/apt/sources.list"
        rm -f "$qemu_cache_dir/apt/lists/"*_* 2>/dev/null
        qemu_apt apt-get -q update >/dev/null 2>&1 || continue
        package=$(qemu_apt apt-cache depends linux-image-amd64 2>/dev/null |
            sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*\)$/\1/p' | head -n 1)
        [ -n "$package" ] || continue
        rm -f "$qemu_cache_dir/"linux-image-*.deb
        (cd "$qemu_cache_dir" && qemu_apt apt-get -q download "$package" >/dev/null 2>&1) || continue
        ls "$qemu_cache_dir/"linux-image-*.deb
        rm -rf "$qemu_cache_dir/apt"
        return 0
    done
    rm -rf "$qemu_cache_dir/apt"
    echo "qemu_prepare: no Debian kernel package could be downloaded" >&2
    return 1
}

qemu_build_initramfs() {
    local deb=$1 tree=$qemu_cache_dir/tree root=$qemu_cache_dir/initramfs version module dep
    rm -rf "$tree" "$root"
    dpkg-deb -x "$deb" "$tree" || return 1
    version=$(ls "$tree/lib/modules")
    depmod -b "$tree" "$version" || return 1
    cp "$tree/boot/vmlinuz-$version" "$qemu_cache_dir/vmlinuz"
    cp "$tree/boot/config-$version" "$qemu_cache_dir/config"

    mkdir -p "$root/bin" "$root/modules" "$root/proc" "$root/sys" "$root/dev"
    cp /bin/busybox "$root/bin/busybox"
    ln -s busybox "$root/bin/sh"
    printf '%s' "$qemu_init_text" >"$root/init"
    chmod 755 "$root/init"

    # modules.dep lists every module a module needs, the ones needed first last.
    local -A loaded=()
    local order=()
    for module in "${qemu_modules[@]}"; do
        local line
        line=$(grep -E "/${module}\.ko(\.[a-z]+)?:" "$tree/lib/modules/$version/modules.dep") || continue
        local needs=()
        read -ra needs <<<"${line#*:}"
        local i
        for ((i = ${#needs[@]} - 1; i >= -1; i--)); do
            if ((i < 0)); then dep=${line%%:*}; else dep=${needs[i]}; fi
            [ -n "${loaded[$dep]:-}" ] && continue
            loaded[$dep]=1
            local name
            name=$(basename "$dep" | sed 's/\.ko.*$/.ko/')
            case $dep in
            *.xz) xz -dc "$tree/lib/modules/$version/$dep" >"$root/modules/$name" ;;
            *.zst) zstd -qdc "$tree/lib/modules/$version/$dep" >"$root/modules/$name" ;;
            *.gz) gzip -dc "$tree/lib/modules/$version/$dep" >"$root/modules/$name" ;;
            *) cp "$tree/lib/modules/$version/$dep" "$root/modules/$name" ;;
            esac || return 1
            order+=("$name")
        done
    done
    printf '%s\n' "${order[@]}" >"$root/modules/order"

    # What the guest can mount: built in, or a module that made it into the initramfs.
    : >"$qemu_cache_dir/filesystems"
    local fs option
    for fs in exfat:EXFAT_FS ext4:EXT4_FS ntfs3:NTFS3_FS; do
        option=${fs#*:} fs=${fs%%:*}
        if grep -q "^CONFIG_$option=y" "$qemu_cache_dir/config" ||
            [ -e "$root/modules/$fs.ko" ]; then
            if [ "$fs" != ext4 ] || grep -q '^CONFIG_UNICODE=y' "$qemu_cache_dir/config"; then
                echo "$fs" >>"$qemu_cache_dir/filesystems"
            fi
        fi
    done

    (cd "$root" && find . | busybox cpio -o -H newc -R 0:0 2>/dev/null) | gzip -9 \
        >"$qemu_cache_dir/initrd.img" || return 1
    rm -rf "$tree" "$root" "$deb"
}

qemu_prepare() {
    qemu_cache_dir=$(mkdir -p "$1" && cd "$1" && pwd) || return 1
    local deb
    deb=$(qemu_fetch_kernel) || return 1
    if ! qemu_build_initramfs "$deb"; then
        rm -rf "$qemu_cache_dir/tree" "$qemu_cache_dir/initramfs"
        echo "qemu_prepare: could not build the initramfs from $deb" >&2
        return 1
    fi
}

qemu_has_fs() {
    [ -n "$qemu_cache_dir" ] && grep -qx "$1" "$qemu_cache_dir/filesystems" 2>/dev/null
}

qemu_run() {
    local image=$1 script=$2 log=$3 limit=$4 extra=${5:-}
    if [ -z "$qemu_cache_dir" ] || [ ! -s "$qemu_cache_dir/initrd.img" ]; then
        echo "qemu_run: call qemu_prepare first" >&2
        return 2
    fi
    if [ ! -f "$script" ]; then
        echo "qemu_run: no guest script $script" >&2
        return 2
    fi
    script=$(realpath "$script") || return 2
    # The kernel command line splits at spaces.
    case $script in *[[:space:]]*)
        echo "qemu_run: the guest script's path must have no spaces: $script" >&2
        return 2 ;;
    esac
    # Without root, QEMU cannot give files their guest owners; "none" ignores that, not the writes.
    local security=passthrough
    [ "$(id -u)" -eq 0 ] || security=none

    local status=0
    timeout --kill-after=10 "$limit" qemu-system-x86_64 -accel "${QEMU_ACCEL:-tcg}" -cpu max \
        -smp "${QEMU_SMP:-2}" -m "${QEMU_MEMORY:-2G}" \
        -nodefaults -no-user-config -display none -monitor none -serial "file:$log" -no-reboot \
        -kernel "$qemu_cache_dir/vmlinuz" -initrd "$qemu_cache_dir/initrd.img" \
        -append "console=ttyS0 quiet panic=-1 brindlewick.init=$script $extra" \
        -drive "file=$image,format=raw,if=none,id=disk,cache=unsafe" \
        -device virtio-blk-pci,drive=disk \
        -fsdev "local,id=host0,path=/,security_model=$security,multidevs=remap" \
        -device virtio-9p-pci,fsdev=host0,mount_tag=host0 \
        </dev/null || status=$?
    if [ $status -eq 124 ] || [ $status -eq 137 ]; then
        return $status
    fi
    if [ $status -ne 0 ]; then
        echo "qemu_run: QEMU failed ($status), see $log" >&2
        return 125
    fi
    local said
    said=$(sed -n 's/^brindlewick-guest-exit=\([0-9]*\).*/\1/p' "$log" | tail -n 1) || true
    [ -n "$said" ] || return 125
    return "$said"
}
