// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MountTable.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
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

// Component by component: "/usr2" is not in "/usr".
bool isUnder(QByteArrayView path, QByteArrayView folder)
{
    if (folder == "/")
        return path.startsWith('/');
    return !folder.isEmpty() && path.startsWith(folder) &&
           (path.size() == folder.size() || path.at(folder.size()) == '/');
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

MountTree::MountTree(std::vector<MountEntry> mounts) : mounts_(std::move(mounts))
{
    for (std::size_t i = 0; i < mounts_.size(); ++i) {
        if (mounts_[i].id != 0)
            byId_.insert(mounts_[i].id, i);
    }
}

const MountEntry *MountTree::find(int id) const
{
    const auto found = byId_.constFind(id);
    return found == byId_.cend() ? nullptr : &mounts_[*found];
}

std::optional<FolderLocation> MountTree::locate(const MountEntry &mount, QByteArrayView path)
{
    const QByteArrayView point = mount.nativeMountPoint;
    if (!isUnder(path, point))
        return std::nullopt;
    QByteArrayView below = point == "/" ? path : path.sliced(point.size());
    if (below == "/")
        below = {};
    FolderLocation where{mount.fileSystemId, mount.root};
    if (where.path == "/" && !below.isEmpty())
        where.path = below.toByteArray();
    else
        where.path.append(below);
    return where;
}

std::optional<FolderLocation> MountTree::locate(QByteArrayView path) const
{
    // From the root's first mount, into the shallowest mount on the path that is mounted on the
    // one reached, again and again: a mount on a folder that another covers is passed by, as
    // the kernel passes it by. Each step goes one mount deeper; the bound holds whatever the
    // table says.
    const MountEntry *on = nullptr;
    for (std::size_t step = 0; step <= mounts_.size(); ++step) {
        const MountEntry *next = nullptr;
        for (const MountEntry &mount : mounts_) {
            const QByteArrayView point = mount.nativeMountPoint;
            const bool deeper = on ? &mount != on && mount.parentId == on->id &&
                                         isUnder(point, on->nativeMountPoint)
                                   : point == "/";
            if (deeper && isUnder(path, point) &&
                (!next || point.size() < next->nativeMountPoint.size()))
                next = &mount;
        }
        if (!next)
            break;
        on = next;
    }
    return on ? locate(*on, path) : std::nullopt;
}

std::optional<bool> MountTree::liesIn(const FolderLocation &where,
                                      const FolderLocation &container) const
{
    if (where.fileSystemId == container.fileSystemId && isUnder(where.path, container.path))
        return true;
    // One look through the table, and a short walk up from each mount that shows the folder:
    // this is asked on every click.
    std::optional<bool> lies = false;
    for (const MountEntry &mount : mounts_) {
        if (mount.fileSystemId != where.fileSystemId || !isUnder(where.path, mount.root))
            continue;
        const std::optional<bool> hangs = hangsIn(mount, container);
        if (hangs == true)
            return true;
        if (!hangs)
            lies = std::nullopt;
    }
    return lies;
}

std::optional<bool> MountTree::hangsIn(const MountEntry &mount,
                                       const FolderLocation &container) const
{
    // Up through the mounts each hangs on, to the root's.
    const MountEntry *on = &mount;
    for (std::size_t step = 0; step < mounts_.size(); ++step) {
        const MountEntry *parent = on->parentId == on->id ? nullptr : find(on->parentId);
        if (!parent)
            return false;
        const std::optional<FolderLocation> hangsOn = locate(*parent, on->nativeMountPoint);
        if (!hangsOn)
            return std::nullopt;
        if (hangsOn->fileSystemId == container.fileSystemId &&
            isUnder(hangsOn->path, container.path))
            return true;
        on = parent;
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

    const bool hasSystemFolder = !systemFolder.isEmpty() && systemFolder != u"/";
    const MountTree tree(mounts);
    const std::optional<FolderLocation> system =
        hasSystemFolder ? tree.locate(QFile::encodeName(systemFolder)) : std::nullopt;
    // In doubt, no letter: the drive would stay a folder of the one it is mounted on.
    const auto inSystemFolder = [&](const MountEntry &mount) {
        return hasSystemFolder &&
               (isUnderFolder(mount.mountPoint, systemFolder) ||
                (system && tree.liesIn({mount.fileSystemId, mount.root}, *system).value_or(true)));
    };

    std::sort(mounts.begin(), mounts.end(),
              [](const MountEntry &a, const MountEntry &b) { return a.mountPoint < b.mountPoint; });
    char16_t next = u'D';
    for (const MountEntry &mount : mounts) {
        if (next > u'Z')
            break;
        if (mount.mountPoint == u"/" || letteredFileSystems.count(mount.fileSystemId))
            continue;
        if (!mount.reachable || inSystemFolder(mount))
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
        entry.id = fields.at(0).toInt();
        entry.parentId = fields.at(1).toInt();
        entry.root = unescaped(fields.at(3));
        entry.nativeMountPoint = unescaped(fields.at(4));
        entry.mountPoint = QFile::decodeName(entry.nativeMountPoint);
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

LiveMountTable::~LiveMountTable()
{
    if (table_ >= 0)
        ::close(table_);
}

bool LiveMountTable::noneMayStopAnswering()
{
    const std::lock_guard lock(mutex_);
    readIfChanged(false);
    return stoppable_.empty();
}

bool LiveMountTable::mayStopAnswering(QByteArrayView nativePath)
{
    const std::lock_guard lock(mutex_);
    readIfChanged(false);
    return std::any_of(stoppable_.begin(), stoppable_.end(),
                       [&](const QByteArray &point) { return isUnder(nativePath, point); });
}

bool LiveMountTable::mayStopAnswering(int folder)
{
    // The kernel's own answer, without asking the file system.
    struct statx status {
    };
    if (::statx(folder, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_MNT_ID, &status) != 0 ||
        !(status.stx_mask & STATX_MNT_ID))
        return true;
    const std::lock_guard lock(mutex_);
    readIfChanged(false);
    const MountEntry *mount = tree_.find(int(status.stx_mnt_id));
    if (!mount) {
        read(); // a mount made since the table was read
        mount = tree_.find(int(status.stx_mnt_id));
    }
    return !mount || brindlewick::mayStopAnswering(*mount);
}

std::optional<bool> LiveMountTable::liesIn(int folder, const QByteArray &container)
{
    // The container is opened, to be told by what it is, unless that could wait without end:
    // then it is told by its path, which asks its file system nothing.
    const bool byPath = mayStopAnswering(container);
    const int opened =
        byPath ? -1 : ::open(container.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (!byPath && opened < 0 && (errno == ENOENT || errno == ENOTDIR))
        return false;
    const std::lock_guard lock(mutex_);
    readIfChanged(true);
    std::optional<FolderLocation> where = byPath ? tree_.locate(container) : std::nullopt;
    if (opened >= 0) {
        if (const std::optional<FolderLocation> located = locate(opened))
            where = located;
        ::close(opened);
    }
    const std::optional<FolderLocation> inside = locate(folder);
    if (!where || !inside)
        return std::nullopt;
    return tree_.liesIn(*inside, *where);
}

std::optional<FolderLocation> LiveMountTable::locate(int folder)
{
    // The kernel's own answers, without asking a network file system's server.
    struct statx status {
    };
    if (::statx(folder, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_MNT_ID | STATX_NLINK,
                &status) != 0 ||
        !(status.stx_mask & STATX_MNT_ID))
        return std::nullopt;
    // A folder removed while open has no path left to tell by.
    if ((status.stx_mask & STATX_NLINK) && status.stx_nlink == 0)
        return std::nullopt;
    char link[32];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", folder);
    QByteArray path(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(link, path.data(), std::size_t(path.size()));
    if (length <= 0 || length >= path.size())
        return std::nullopt;
    path.truncate(length);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0)
            read(); // a mount made since the table was read, or one whose id was reused
        const MountEntry *mount = tree_.find(int(status.stx_mnt_id));
        if (const std::optional<FolderLocation> where =
                mount ? MountTree::locate(*mount, path) : std::nullopt)
            return where;
    }
    return std::nullopt;
}

void LiveMountTable::readIfChanged(bool atOnce)
{
    if (!atOnce && sinceAsked_.isValid() && !sinceAsked_.hasExpired(100))
        return;
    const bool first = !sinceAsked_.isValid();
    sinceAsked_.start();
    if (first)
        table_ = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    // The kernel marks the table with a priority event when a mount comes or goes.
    pollfd changed{table_, POLLPRI, 0};
    if (first || (::poll(&changed, 1, 0) > 0 && (changed.revents & (POLLPRI | POLLERR))))
        read();
}

void LiveMountTable::read()
{
    const std::optional<QByteArray> text = table_ < 0 ? std::nullopt : readWhole(table_);
    if (!text)
        return;
    tree_ = MountTree(parseMountInfo(*text));
    stoppable_.clear();
    for (const MountEntry &mount : tree_.mounts()) {
        if (brindlewick::mayStopAnswering(mount))
            stoppable_.push_back(mount.nativeMountPoint);
    }
}

} // namespace brindlewick
