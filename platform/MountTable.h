// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DriveTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

namespace brindlewick
{

// One mounted file system as the machine reports it.
struct MountEntry {
    QString mountPoint;
    QByteArray fileSystemType;
    QByteArray device;
    QString label;
    quint64 fileSystemId = 0; // the device number of the mount point: equal for bind mounts
    bool removableDevice = false;
    // Its mount point answered, as a folder. Only the mounts a drive may be made of are asked.
    bool reachable = true;
    // As the kernel's table has them, byte for byte: what links a mount to the one it is
    // mounted on, where it is, and which folder of its file system it shows there.
    int id = 0;
    int parentId = 0;
    QByteArray nativeMountPoint;
    QByteArray root = "/";
};

// Where a folder is, whichever links and mounts lead to it: its file system, and its path
// from that file system's own root.
struct FolderLocation {
    quint64 fileSystemId = 0;
    QByteArray path;
};

// The mounts of one table, each linked to the one it is mounted on.
class MountTree
{
public:
    MountTree() = default;
    explicit MountTree(std::vector<MountEntry> mounts);

    const std::vector<MountEntry> &mounts() const { return mounts_; }
    const MountEntry *find(int id) const;
    // Where a native path at or below the mount's mount point lies; nothing when it is not
    // below it.
    static std::optional<FolderLocation> locate(const MountEntry &mount, QByteArrayView path);
    // Where a native path free of links lies, from the table alone: down from the root through
    // each mount on its way, as the kernel goes.
    std::optional<FolderLocation> locate(QByteArrayView path) const;
    // True when the folder at where is the folder at container or lies inside it: on its file
    // system at or below it, or shown by a mount that hangs on such a folder, directly or through
    // the mounts it hangs on in turn. Any mount of the folder's file system whose root holds the
    // folder shows it, not only the one it was reached through: a file system mounted inside
    // container and again elsewhere has its files in container either way. Nothing when the
    // table contradicts itself and no mount says true.
    std::optional<bool> liesIn(const FolderLocation &where, const FolderLocation &container) const;

private:
    // True when the mount hangs on a folder at or inside container, directly or through the
    // mounts it hangs on in turn.
    std::optional<bool> hangsIn(const MountEntry &mount, const FolderLocation &container) const;

    std::vector<MountEntry> mounts_;
    QHash<int, std::size_t> byId_;
};

// The type a mount gets, or nothing when it is no drive a person would browse (pseudo and
// image file systems, loop devices, unknown types).
std::optional<DriveType> classifyMount(const MountEntry &mount);

// True for a network or FUSE file system: its server or daemon can stop answering, and every
// question asked of it then waits.
bool mayStopAnswering(const MountEntry &mount);

// Gives "/" the letter C (always fixed) and the other drives D to Z in the order of their
// mount points. A file system that already has a letter gets no second one. A mount at
// systemFolder (the operating system's folder, by its real location) or inside it gets none,
// nor does one that shows a folder of the system folder's file system at or below it, or a
// folder that another mount shows inside the system folder, wherever it is mounted: the tree
// would offer the system folder's files as a drive of their own. Nor does a mount that is not
// reachable.
DriveTable assignDriveLetters(std::vector<MountEntry> mounts, const QString &systemFolder = {});

// The mounts listed in the text of /proc/self/mountinfo. Nothing is asked of them.
std::vector<MountEntry> parseMountInfo(QByteArrayView mountInfo);

// Asks each mount that could become a fixed drive whether its mount point is a folder, and for
// its label: all at once, each on a thread of its own, waiting at most patience. A mount that
// has not answered by then is not reachable; its thread is left to end when it does answer.
// The others are not asked anything.
void askMounts(std::vector<MountEntry> &mounts, std::chrono::milliseconds patience);

// The drives of this machine, from its mount table and from what its mounts answer in time.
DriveTable machineDrives(const QString &systemFolder, std::chrono::milliseconds patience);

// The kernel's mount table, kept up to date for the price of a look at the clock: it is read
// again only when the kernel says it changed, which is asked at most every tenth of a second,
// or at once where an answer depends on it.
class LiveMountTable
{
public:
    LiveMountTable() = default;
    ~LiveMountTable();
    LiveMountTable(const LiveMountTable &) = delete;
    LiveMountTable &operator=(const LiveMountTable &) = delete;

    // True when no file system that may stop answering is mounted, as most of the time.
    bool noneMayStopAnswering();
    // True when the native path lies on such a file system.
    bool mayStopAnswering(QByteArrayView nativePath);
    // True when the open folder lies on such a file system, or when that cannot be told.
    bool mayStopAnswering(int folder);
    // True when the open folder is the folder at container (a native path) or lies inside it,
    // by file system and path within it, whichever links and mounts lead to either. False
    // when there is no folder at container; nothing when it cannot be told.
    std::optional<bool> liesIn(int folder, const QByteArray &container);

private:
    void readIfChanged(bool atOnce);
    void read();
    std::optional<FolderLocation> locate(int folder);

    std::mutex mutex_;
    int table_ = -1;
    QElapsedTimer sinceAsked_;
    MountTree tree_;
    std::vector<QByteArray> stoppable_; // their mount points
};

} // namespace brindlewick
