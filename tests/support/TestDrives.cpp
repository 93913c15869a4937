// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestDrives.h"

#include "platform/DrivePath.h"
#include "platform/FolderEnumerator.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

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

namespace
{

QString because(const char *what)
{
    return QStringLiteral("the file system here ") + QLatin1String(what) + QStringLiteral(": ") +
           QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

// The temporary folder, where the drives are made, is where each question is asked.
QString TestDrives::withoutLinks()
{
    const QTemporaryDir scratch;
    if (::symlink("target", QFile::encodeName(scratch.filePath(u"link"_s)).constData()) != 0)
        return because("makes no symbolic links");
    return {};
}

QString TestDrives::withoutHardLinks()
{
    const QTemporaryDir scratch;
    const QByteArray file = QFile::encodeName(scratch.filePath(u"file"_s));
    ::close(::open(file.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    if (::link(file.constData(), (file + "-twin").constData()) != 0)
        return because("gives no file a second name");
    return {};
}

QString TestDrives::withoutOwners()
{
    const QTemporaryDir scratch;
    const QByteArray path = QFile::encodeName(scratch.path());
    constexpr uid_t someoneElse = 65534;
    struct stat status {
    };
    if (::geteuid() == 0 && ::lchown(path.constData(), someoneElse, someoneElse) != 0)
        return because("gives no file to another user");
    if (::chmod(path.constData(), 0111) != 0)
        return because("keeps no permissions");
    const bool kept = ::stat(path.constData(), &status) == 0 && (status.st_mode & 0777) == 0111;
    ::chmod(path.constData(), 0700);
    if (!kept)
        return u"the file system here keeps no permissions"_s;
    return {};
}

QString TestDrives::withoutNames(const QStringList &names)
{
    const QTemporaryDir scratch;
    QStringList notKept;
    for (const QString &name : names) {
        const int fd = ::open(QFile::encodeName(scratch.filePath(name)).constData(),
                              O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0)
            notKept.append(name);
        else
            ::close(fd);
    }
    // A name it took but changed, or one that went to a file of another spelling.
    const QStringList kept = QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (!kept.contains(name) && !notKept.contains(name))
            notKept.append(name);
    }
    if (notKept.isEmpty())
        return {};
    return u"the file system here does not hold "_s + notKept.join(u", "_s) +
           u" as a file of its own beside the others"_s;
}

QString TestDrives::withoutProcessors(int count)
{
    if (QThread::idealThreadCount() >= count)
        return {};
    return u"needs %1 processors and the machine has %2"_s.arg(count).arg(
        QThread::idealThreadCount());
}

QString TestDrives::withoutRoomFor(int entries)
{
    const QTemporaryDir scratch;
    const QByteArray path = QFile::encodeName(scratch.path());
    struct statfs kind {
    };
    struct statvfs room {
    };
    if (::statfs(path.constData(), &kind) != 0 || ::statvfs(path.constData(), &room) != 0)
        return because("tells nothing of its room");
    // FAT holds 65,536 entries in a folder, two or more for a long name; exFAT finds a name by
    // reading its folder from the start, so that every new one takes longer than the last.
    if (kind.f_type == MSDOS_SUPER_MAGIC)
        return u"FAT holds fewer than %1 long names in one folder"_s.arg(entries);
    if (kind.f_type == EXFAT_SUPER_MAGIC)
        return u"exFAT would take many minutes to make %1 names in one folder"_s.arg(entries);
    // Some file systems count no numbers at all, and say 0.
    if (room.f_files > 0 && room.f_favail < fsfilcnt_t(entries))
        return u"the file system here has room for %1 more files"_s.arg(room.f_favail);
    // Where a sample takes long (on a machine that emulates its processor, for one), the
    // test would take many minutes over what the file system is not there to show.
    constexpr int sample = 1000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < sample; ++i)
        ::close(::open((path + "/f" + QByteArray::number(i)).constData(),
                       O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    const qint64 estimate = clock.elapsed() * entries / sample / 1000;
    if (estimate > 30)
        return u"making %1 files here would take about %2 s"_s.arg(entries).arg(estimate);
    return {};
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
