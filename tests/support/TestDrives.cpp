// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestDrives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace brindlewick::test
{

std::vector<TestDrive> TestDrives::standardLayout()
{
    return {{u'A', DriveType::Removable, {}},
            {u'C', DriveType::Fixed, QStringLiteral("SYSTEM")},
            {u'D', DriveType::Fixed, {}},
            {u'E', DriveType::CdRom, {}},
            {u'F', DriveType::Remote, {}}};
}

TestDrives::TestDrives(const std::vector<TestDrive> &layout, RenameWay renameWay)
{
    std::vector<Drive> drives;
    for (const TestDrive &drive : layout) {
        folders_.push_back(std::make_unique<QTemporaryDir>());
        drives.push_back({drive.letter, folders_.back()->path(), drive.type, drive.label});
    }
    platform_ = std::make_unique<PosixPlatform>(DriveTable(std::move(drives)),
                                                QStringLiteral("C:\\WINDOWS"), renameWay);
}

QString TestDrives::native(const QString &drivePath) const
{
    const std::optional<DrivePath> parsed = parseDrivePath(drivePath);
    const std::optional<QString> result =
        parsed ? platform_->drives().nativePath(*parsed) : std::nullopt;
    return result.value_or(QString());
}

bool TestDrives::makeFile(const QString &drivePath, const QByteArray &content) const
{
    const QString path = native(drivePath);
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool TestDrives::makeFolder(const QString &drivePath) const
{
    const QString path = native(drivePath);
    return !path.isEmpty() && QDir().mkpath(path);
}

bool TestDrives::makeLink(const QString &drivePath, const QByteArray &target) const
{
    const QString path = native(drivePath);
    return !path.isEmpty() && QDir().mkpath(QFileInfo(path).path()) &&
           ::symlink(target.constData(), QFile::encodeName(path).constData()) == 0;
}

bool TestDrives::makeEmptyFiles(const QString &folder, int count, const QByteArray &prefix,
                                const QByteArray &suffix) const
{
    const QByteArray nativeFolder = QFile::encodeName(native(folder));
    for (int i = 0; i < count; ++i) {
        const QByteArray path = nativeFolder + '/' + prefix + QByteArray::number(i) + suffix;
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    return true;
}

QByteArray TestDrives::contentOf(const QString &drivePath) const
{
    QFile file(native(drivePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList TestDrives::entriesOf(const QString &drivePath) const
{
    return QDir(native(drivePath))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

} // namespace brindlewick::test
