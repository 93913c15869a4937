// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DriveTable.h"

#include <QByteArray>
#include <QString>
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
};

// The type a mount gets, or nothing when it is no drive a person would browse (pseudo and
// image file systems, loop devices, unknown types).
std::optional<DriveType> classifyMount(const MountEntry &mount);

// Gives "/" the letter C (always fixed) and the other drives D to Z in the order of their
// mount points. A file system that already has a letter gets no second one, and one mounted
// at systemFolder (the operating system's folder, by its real location) or inside it gets
// none: the tree would offer it as a drive of its own.
DriveTable assignDriveLetters(std::vector<MountEntry> mounts, const QString &systemFolder = {});

// The mounts of this machine.
std::vector<MountEntry> readMachineMounts();

} // namespace brindlewick
