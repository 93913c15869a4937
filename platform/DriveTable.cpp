// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DriveTable.h"

#include <QDir>

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

std::optional<QString> DriveTable::nativePath(const DrivePath &path) const
{
    const Drive *drive = find(path.letter);
    if (!drive)
        return std::nullopt;
    QString result = drive->mountPoint;
    for (const QString &name : path.names) {
        if (!result.endsWith(u'/'))
            result += u'/';
        result += name;
    }
    return result;
}

std::optional<DrivePath> DriveTable::drivePath(const QString &nativePath) const
{
    const QString native = withoutFinalSlash(QDir::cleanPath(nativePath));
    if (!native.startsWith(u'/'))
        return std::nullopt;

    const Drive *best = nullptr;
    for (const Drive &drive : drives_) {
        const QString &mount = drive.mountPoint;
        const bool holds = mount == u"/" || native == mount ||
                           (native.startsWith(mount) && native.at(mount.size()) == u'/');
        if (holds && (!best || mount.size() > best->mountPoint.size()))
            best = &drive;
    }
    if (!best)
        return std::nullopt;

    DrivePath result{best->letter, {}};
    const QStringView below = QStringView(native).mid(best->mountPoint.size());
    for (const QStringView name : below.split(u'/', Qt::SkipEmptyParts)) {
        if (!isRepresentableName(name))
            return std::nullopt;
        result.names.append(name.toString());
    }
    return result;
}

} // namespace brindlewick
