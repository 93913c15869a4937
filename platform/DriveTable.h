// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DrivePath.h"
#include "platform/Platform.h"

#include <QString>
#include <optional>
#include <vector>

namespace brindlewick
{

struct Drive {
    QChar letter;       // upper case
    QString mountPoint; // absolute native folder, "/" or without a final "/"
    DriveType type = DriveType::Fixed;
    QString label;
};

// The drive letters the program sees and the native folders behind them.
class DriveTable
{
public:
    DriveTable() = default;
    explicit DriveTable(std::vector<Drive> drives);

    const std::vector<Drive> &drives() const { return drives_; }
    const Drive *find(QChar letter) const;

    // "C:\a\b" to "<mount of C>/a/b". Empty when the letter has no drive.
    std::optional<QString> nativePath(const DrivePath &path) const;
    // Back from a native absolute path, through the drive whose mount point holds it most
    // closely. Empty when no drive holds it or a name cannot be carried in a drive path.
    std::optional<DrivePath> drivePath(const QString &nativePath) const;

private:
    std::vector<Drive> drives_;
};

} // namespace brindlewick
