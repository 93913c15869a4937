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
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif
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
    return u"the file system here "_s + QLatin1String(what) + u": "_s +
           QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

// Each question is asked in the temporary folder, where the drives are made.
QString TestDrives::withoutLinks()
{
    const QTemporaryDir scratch;
    const bool made = ::symlink("x", QFile::encodeName(scratch.filePath(u"l"_s)).constData()) == 0;
    return made ? QString() : because("makes no symbolic links");
}

QString TestDrives::withoutHardLinks()
{
    const QTemporaryDir scratch;
    const QByteArray file = QFile::encodeName(scratch.filePath(u"file"_s));
    ::close(::open(file.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    const bool made = ::link(file.constData(), (file + "-twin").constData()) == 0;
    return made ? QString() : because("gives no file a second name");
}

QString TestDrives::withoutOwners()
{
    const QTemporaryDir scratch;
    const QByteArray path = QFile::encodeName(scratch.path());
    if (::geteuid() == 0 && ::lchown(path.constData(), 65534, 65534) != 0)
        return because("gives no file to another user");
    struct stat status {
    };
    const bool kept = ::chmod(path.constData(), 0111) == 0 &&
                      ::stat(path.constData(), &status) == 0 && (status.st_mode & 0777) == 0111;
    ::chmod(path.constData(), 0700);
    return kept ? QString() : u"the file system here keeps no permissions"_s;
}

QString TestDrives::withoutNames(const QStringList &names)
{
    const QTemporaryDir scratch;
    for (const QString &name : names)
        ::close(::open(QFile::encodeName(scratch.filePath(name)).constData(),
                       O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600));
    // Refused, changed, or taken by a file of another spelling.
    const QStringList kept = QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden);
    if (std::all_of(names.begin(), names.end(), [&](const QString &n) { return kept.contains(n); }))
        return {};
    QStringList quoted;
    for (const QString &name : names) {
        QString shown;
        for (const QChar c : name)
            shown +=
                c.isPrint() ? QString(c) : u"\\x%1"_s.arg(int(c.unicode()), 2, 16, QChar(u'0'));
        quoted.append(u'"' + shown + (kept.contains(name) ? u"\""_s : u"\" (lost)"_s));
    }
    return u"the file system here does not hold these names each as a file of its own: "_s +
           quoted.join(u", "_s);
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
    // 65,536 entries in a folder, two or more for a long name.
    if (kind.f_type == MSDOS_SUPER_MAGIC)
        return u"FAT holds fewer than %1 long names in one folder"_s.arg(entries);
    // Some file systems count no numbers at all, and say 0.
    if (room.f_files > 0 && room.f_favail < fsfilcnt_t(entries))
        return u"the file system here has room for %1 more files"_s.arg(room.f_favail);
#if defined(__x86_64__) || defined(__i386__)
    // QEMU without KVM names itself so to the programs it runs. It makes the files quickly
    // enough, but the window's work on them takes many minutes there.
    unsigned int leaves = 0;
    std::array<unsigned int, 3> vendor{};
    __cpuid(0x40000000, leaves, vendor[0], vendor[1], vendor[2]);
    if (std::memcmp(vendor.data(), "TCGTCGTCGTCG", sizeof vendor) == 0)
        return u"the machine emulates its processor: %1 names would take many minutes"_s.arg(
            entries);
#endif
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
