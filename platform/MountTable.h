// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DriveTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
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
};

// The type a mount gets, or nothing when it is no drive a person would browse (pseudo and
// image file systems, loop devices, unknown types).
std::optional<DriveType> classifyMount(const MountEntry &mount);

// True for a network or FUSE file system: its server or daemon can stop answering, and every
// question asked of it then waits.
bool mayStopAnswering(const MountEntry &mount);

// Gives "/" the letter C (always fixed) and the other drives D to Z in the order of their
// mount points. A file system that already has a letter gets no second one, and one mounted
// at systemFolder (the operating system's folder, by its real location) or inside it gets
// none: the tree would offer it as a drive of its own. Nor does a mount that is not reachable.
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

// Which file systems that may stop answering are mounted where, kept up to date for the price
// of a look at the clock: the mount table is read again only when the kernel says it changed,
// which is asked at most every tenth of a second.
class StoppableMounts
{
public:
    StoppableMounts() = default;
    ~StoppableMounts();
    StoppableMounts(const StoppableMounts &) = delete;
    StoppableMounts &operator=(const StoppableMounts &) = delete;

    // True when there is none, as most of the time.
    bool none();
    // True when the native path lies on one of them.
    bool holds(QByteArrayView nativePath);

private:
    void readIfChanged();

    std::mutex mutex_;
    int table_ = -1;
    QElapsedTimer sinceAsked_;
    std::vector<QByteArray> mountPoints_;
};

} // namespace brindlewick
