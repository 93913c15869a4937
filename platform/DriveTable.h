// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

#include <QString>
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

private:
    std::vector<Drive> drives_;
};

} // namespace brindlewick
