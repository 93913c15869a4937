// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DriveTable.h"

namespace brindlewick
{

namespace
{

QString withoutFinalSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

DriveTable::DriveTable(std::vector<Drive> drives) : drives_(std::move(drives))
{
    for (Drive &drive : drives_) {
        drive.letter = drive.letter.toUpper();
        drive.mountPoint = withoutFinalSlash(drive.mountPoint);
    }
}

const Drive *DriveTable::find(QChar letter) const
{
    const QChar upper = letter.toUpper();
    for (const Drive &drive : drives_) {
        if (drive.letter == upper)
            return &drive;
    }
    return nullptr;
}

} // namespace brindlewick
