// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MountTable.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

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

// A field of mountinfo with its octal escapes ("\040" for a blank) decoded.
QByteArray unescaped(QByteArrayView field)
{
    QByteArray result;
    result.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto octal = [&](qsizetype k) { return field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2) &&
            octal(i + 3)) {
            result.append(
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            result.append(field[i]);
        }
    }
    return result;
}

std::optional<QByteArray> readWhole(int fd)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return std::nullopt;
    QByteArray text;
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return text;
        text.append(buffer, got);
    }
}

} // namespace

bool mayStopAnswering(const MountEntry &mount)
{
    const QByteArray type = mount.fileSystemType.toLower();
    return type.startsWith("fuse") || classifyMount(mount) == DriveType::Remote;
}

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
        if (!mount.reachable || (!systemFolder.isEmpty() && systemFolder != u"/" &&
                                 isUnderFolder(mount.mountPoint, systemFolder)))
            continue;
        const std::optional<DriveType> type = classifyMount(mount);
        if (!type)
            continue;
        letteredFileSystems.insert(mount.fileSystemId);
        drives.push_back({QChar(next++), mount.mountPoint, *type, mount.label});
    }
    return DriveTable(std::move(drives));
}

std::vector<MountEntry> parseMountInfo(QByteArrayView mountInfo)
{
    // Each line: id, parent id, major:minor, root, mount point, options, optional fields, "-",
    // type, source, super options.
    std::vector<MountEntry> mounts;
    const QByteArray text(mountInfo.data(), mountInfo.size());
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 6 || separator < 6 || separator + 2 >= fields.size())
            continue;
        const QList<QByteArray> device = fields.at(2).split(':');
        if (device.size() != 2)
            continue;
        MountEntry entry;
        entry.mountPoint = QFile::decodeName(unescaped(fields.at(4)));
        entry.fileSystemType = unescaped(fields.at(separator + 1));
        entry.device = unescaped(fields.at(separator + 2));
        entry.fileSystemId = quint64(makedev(device.at(0).toUInt(), device.at(1).toUInt()));
        mounts.push_back(std::move(entry));
    }
    return mounts;
}

void askMounts(std::vector<MountEntry> &mounts, std::chrono::milliseconds patience)
{
    struct Answer {
        bool folder = false;
        QString label;
    };
    // Shared with the threads: one that never gets its answer keeps it alive, not this frame.
    struct Answers {
        std::mutex mutex;
        std::condition_variable arrived;
        std::vector<std::optional<Answer>> answers;
    };
    const auto shared = std::make_shared<Answers>();
    shared->answers.resize(mounts.size());
    std::vector<std::size_t> asked;
    for (std::size_t i = 0; i < mounts.size(); ++i) {
        if (classifyMount(mounts[i]) != DriveType::Fixed && mounts[i].mountPoint != u"/")
            continue;
        try {
            std::thread([shared, i, point = mounts[i].mountPoint] {
                Answer answer;
                struct stat status {
                };
                // File bind mounts are no drives.
                answer.folder = ::stat(QFile::encodeName(point).constData(), &status) == 0 &&
                                S_ISDIR(status.st_mode);
                if (answer.folder)
                    answer.label = QStorageInfo(point).name();
                const std::lock_guard lock(shared->mutex);
                shared->answers[i] = std::move(answer);
                shared->arrived.notify_all();
            }).detach();
            asked.push_back(i);
        } catch (const std::system_error &) {
            mounts[i].reachable = false; // no thread to ask it on, so it is not asked
        }
    }
    std::unique_lock lock(shared->mutex);
    shared->arrived.wait_for(lock, patience, [&] {
        return std::all_of(asked.begin(), asked.end(),
                           [&](std::size_t i) { return shared->answers[i].has_value(); });
    });
    for (const std::size_t i : asked) {
        const std::optional<Answer> &answer = shared->answers[i];
        mounts[i].reachable = answer && answer->folder;
        if (answer)
            mounts[i].label = answer->label;
    }
}

DriveTable machineDrives(const QString &systemFolder, std::chrono::milliseconds patience)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    std::vector<MountEntry> mounts;
    if (table.open(QIODevice::ReadOnly))
        mounts = parseMountInfo(table.readAll());
    for (MountEntry &mount : mounts)
        mount.removableDevice = isRemovableDevice(mount.device);
    askMounts(mounts, patience);
    return assignDriveLetters(std::move(mounts), systemFolder);
}

StoppableMounts::~StoppableMounts()
{
    if (table_ >= 0)
        ::close(table_);
}

bool StoppableMounts::none()
{
    const std::lock_guard lock(mutex_);
    readIfChanged();
    return mountPoints_.empty();
}

bool StoppableMounts::holds(QByteArrayView nativePath)
{
    const std::lock_guard lock(mutex_);
    readIfChanged();
    return std::any_of(mountPoints_.begin(), mountPoints_.end(), [&](const QByteArray &point) {
        return nativePath.startsWith(point) &&
               (nativePath.size() == point.size() || point.endsWith('/') ||
                nativePath.at(point.size()) == '/');
    });
}

void StoppableMounts::readIfChanged()
{
    if (sinceAsked_.isValid() && !sinceAsked_.hasExpired(100))
        return;
    const bool first = !sinceAsked_.isValid();
    sinceAsked_.start();
    if (first)
        table_ = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (table_ < 0)
        return;
    // The kernel marks the table with a priority event when a mount comes or goes.
    pollfd changed{table_, POLLPRI, 0};
    if (!first && (::poll(&changed, 1, 0) <= 0 || !(changed.revents & (POLLPRI | POLLERR))))
        return;
    const std::optional<QByteArray> text = readWhole(table_);
    if (!text)
        return;
    mountPoints_.clear();
    for (const MountEntry &mount : parseMountInfo(*text)) {
        if (mayStopAnswering(mount))
            mountPoints_.push_back(QFile::encodeName(mount.mountPoint));
    }
}

} // namespace brindlewick
