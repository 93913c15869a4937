// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MountTable.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <set>
#include <sys/stat.h>

namespace brindlewick
{

namespace
{

bool isOneOf(const QByteArray &value, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char *name) { return value == name; });
}

bool isUnderFolder(const QString &path, QStringView folder)
{
    return path.startsWith(folder) &&
           (path.size() == folder.size() || path.at(folder.size()) == u'/');
}

// Linux marks removable disks in sysfs; a partition inherits the mark of its disk.
bool isRemovableDevice(const QByteArray &device)
{
    if (!device.startsWith("/dev/"))
        return false;
    const QString name =
        QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath().section(u'/', -1);
    if (name.isEmpty())
        return false;
    const QString sysfs = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysfs.isEmpty())
        return false;
    for (const QString &flag :
         {sysfs + QStringLiteral("/removable"), sysfs + QStringLiteral("/../removable")}) {
        QFile file(flag);
        if (file.open(QIODevice::ReadOnly))
            return file.read(1) == "1";
    }
    return false;
}

} // namespace

std::optional<DriveType> classifyMount(const MountEntry &mount)
{
    const QByteArray type = mount.fileSystemType.toLower();
    if (isOneOf(type, {"iso9660", "udf"}))
        return DriveType::CdRom;
    if (isOneOf(type,
                {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs", "ceph",
                 "glusterfs", "fuse.glusterfs", "davfs", "fuse.davfs2", "ncpfs", "fuse.rclone"}))
        return DriveType::Remote;
    if (isOneOf(type, {"tmpfs", "ramfs"}))
        return DriveType::RamDisk;
    if (isOneOf(type,
                {"ext2", "ext3", "ext4", "xfs", "btrfs", "f2fs", "zfs", "ntfs", "ntfs3", "fuseblk",
                 "exfat", "vfat", "msdos", "hfsplus", "jfs", "nilfs2", "bcachefs"})) {
        if (mount.device.startsWith("/dev/loop"))
            return std::nullopt; // a disk image, not a disk
        const bool mediaFolder = isUnderFolder(mount.mountPoint, u"/media") ||
                                 isUnderFolder(mount.mountPoint, u"/run/media");
        return mount.removableDevice || mediaFolder ? DriveType::Removable : DriveType::Fixed;
    }
    return std::nullopt;
}

DriveTable assignDriveLetters(std::vector<MountEntry> mounts, const QString &systemFolder)
{
    std::vector<Drive> drives;
    std::set<quint64> letteredFileSystems;

    const auto root = std::find_if(mounts.begin(), mounts.end(),
                                   [](const MountEntry &m) { return m.mountPoint == u"/"; });
    if (root != mounts.end()) {
        drives.push_back({u'C', QStringLiteral("/"), DriveType::Fixed, root->label});
        letteredFileSystems.insert(root->fileSystemId);
    } else {
        drives.push_back({u'C', QStringLiteral("/"), DriveType::Fixed, {}});
    }

    std::sort(mounts.begin(), mounts.end(),
              [](const MountEntry &a, const MountEntry &b) { return a.mountPoint < b.mountPoint; });
    char16_t next = u'D';
    for (const MountEntry &mount : mounts) {
        if (next > u'Z')
            break;
        if (mount.mountPoint == u"/" || letteredFileSystems.count(mount.fileSystemId))
            continue;
        if (!systemFolder.isEmpty() && systemFolder != u"/" &&
            isUnderFolder(mount.mountPoint, systemFolder))
            continue;
        const std::optional<DriveType> type = classifyMount(mount);
        if (!type)
            continue;
        letteredFileSystems.insert(mount.fileSystemId);
        drives.push_back({QChar(next++), mount.mountPoint, *type, mount.label});
    }
    return DriveTable(std::move(drives));
}

std::vector<MountEntry> readMachineMounts()
{
    std::vector<MountEntry> mounts;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        MountEntry entry;
        entry.mountPoint = volume.rootPath();
        struct stat status {
        };
        const QByteArray native = QFile::encodeName(entry.mountPoint);
        if (::stat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
            continue; // file bind mounts and unreachable mounts are no drives
        entry.fileSystemType = volume.fileSystemType();
        entry.device = volume.device();
        entry.label = volume.name();
        entry.fileSystemId = status.st_dev;
        entry.removableDevice = isRemovableDevice(entry.device);
        mounts.push_back(std::move(entry));
    }
    return mounts;
}

} // namespace brindlewick
