// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestDrives.h"

#include "platform/DrivePath.h"
#include "platform/FolderEnumerator.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>
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

TestDrives::TestDrives(const std::vector<TestDrive> &layout, RenameWay renameWay,
                       const QString &windowsDirectory)
{
    std::vector<Drive> drives;
    for (const TestDrive &drive : layout) {
        folders_.push_back(std::make_unique<QTemporaryDir>());
        drives.push_back({drive.letter, folders_.back()->path(), drive.type, drive.label});
    }
    platform_ =
        std::make_unique<PosixPlatform>(DriveTable(std::move(drives)), windowsDirectory, renameWay);
}

void TestDrives::make(const QStringList &folders, const QStringList &files) const
{
    for (const QString &folder : folders)
        QVERIFY2(makeFolder(folder), qPrintable(folder));
    for (const QString &file : files) {
        const QString name = file.section(u'\\', -1);
        QVERIFY2(makeFile(file, "was " + name.toUtf8()), qPrintable(file));
    }
}

void TestDrives::makeFiles(const QString &folder, const QStringList &names) const
{
    QStringList files;
    for (const QString &name : names)
        files.append(folder + u'\\' + name);
    make({folder}, files);
}

QString TestDrives::native(const QString &drivePath) const
{
    const std::optional<DrivePath> parsed = parseDrivePath(drivePath);
    const Drive *drive = parsed ? platform_->drives().find(parsed->letter) : nullptr;
    if (!drive)
        return {};
    QString path = drive->mountPoint;
    for (const QString &name : parsed->names) {
        if (!path.endsWith(u'/'))
            path += u'/';
        path += name;
    }
    return path;
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

QStringList TestDrives::contentsIn(const QString &folder) const
{
    QStringList contents;
    const QDir dir(native(folder));
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        contents.append(QString::fromUtf8(contentOf(folder + u'\\' + name)));
    contents.sort();
    return contents;
}

Listing TestDrives::listFiles(const QString &folder) const
{
    FolderEnumerator files(*platform_, EntryKind::Files);
    files.setPath(folder);
    return {files.folder(), files.names()};
}

void TestDrives::handTo(uid_t user, gid_t group) const
{
    for (const auto &folder : folders_) {
        QVERIFY(::lchown(QFile::encodeName(folder->path()).constData(), user, group) == 0);
        QDirIterator below(folder->path(),
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        while (below.hasNext())
            QVERIFY(::lchown(QFile::encodeName(below.next()).constData(), user, group) == 0);
    }
}

AsOrdinaryUser::AsOrdinaryUser(const TestDrives &drives)
{
    if (::geteuid() != 0)
        return;
    // nobody and nogroup, as on every Debian machine
    constexpr uid_t nobody = 65534;
    constexpr gid_t nogroup = 65534;
    drives.handTo(nobody, nogroup);
    QVERIFY(::setegid(nogroup) == 0 && ::seteuid(nobody) == 0);
    switched_ = true;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    // Root again, or the temporary folders could not be removed.
    if (switched_ && (::seteuid(0) != 0 || ::setegid(0) != 0))
        qFatal("could not become root again");
}

} // namespace brindlewick::test
