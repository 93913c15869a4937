// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/MountTable.h"
#include "platform/PosixPlatform.h"
#include "support/StoppableMount.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/sysmacros.h>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

MountEntry mount(const QString &point, const char *type, const char *device, quint64 id,
                 const QString &label = {}, bool removable = false)
{
    return {point, type, device, label, id, removable, true, 0, 0, QFile::encodeName(point)};
}

QString describe(const DriveTable &table)
{
    QStringList rows;
    for (const Drive &drive : table.drives()) {
        rows.append(QString(drive.letter) + u' ' + drive.mountPoint + u' ' +
                    QString::number(int(drive.type)));
    }
    return rows.join(u"; ");
}

} // namespace

class DriveTableTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lettersFollowMountOrderAndKind();
    void rootIsAlwaysDriveC();
    void lettersEndAtZ();
    void platformAnswersByLetter();
    void thisMachineHasDriveC();
    void noLetterInsideTheSystemFolder();
    void noLetterForTheSystemFoldersFileSystem_data();
    void noLetterForTheSystemFoldersFileSystem();
    void readsTheMountTable();
    void asksOnlyWhatItShowsAndWaitsOnNoMount();
};

void DriveTableTest::lettersFollowMountOrderAndKind()
{
    const DriveTable table = assignDriveLetters({
        mount(u"/proc"_s, "proc", "proc", 2),
        mount(u"/mnt/usb"_s, "ext4", "/dev/sdc1", 11, {}, true),
        mount(u"/"_s, "ext4", "/dev/sda2", 1, u"SYSTEM"_s),
        mount(u"/run/media/ann/STICK"_s, "exfat", "/dev/sdd1", 12),
        mount(u"/home"_s, "btrfs", "/dev/nvme0n1p3", 3, u"Home"_s),
        mount(u"/srv/bind-of-home"_s, "btrfs", "/dev/nvme0n1p3", 3),
        mount(u"/media/cdrom"_s, "iso9660", "/dev/sr0", 13),
        mount(u"/mnt/nas"_s, "nfs4", "nas:/export", 14),
        mount(u"/dev/shm"_s, "tmpfs", "tmpfs", 15),
        mount(u"/snap/core/1"_s, "squashfs", "/dev/loop3", 16),
        mount(u"/mnt/image"_s, "ext4", "/dev/loop4", 17),
        mount(u"/sys/fs/cgroup"_s, "cgroup2", "cgroup2", 18),
        mount(u"/var/lib/docker/overlay2/x/merged"_s, "overlay", "overlay", 19),
        mount(u"/boot/efi"_s, "vfat", "/dev/sda1", 20, u"ESP"_s),
        mount(u"/mnt/weird"_s, "somethingfs", "/dev/sde1", 21),
    });
    QCOMPARE(describe(table), u"C / 3; "
                              "D /boot/efi 3; "
                              "E /dev/shm 6; "
                              "F /home 3; "
                              "G /media/cdrom 5; "
                              "H /mnt/nas 4; "
                              "I /mnt/usb 2; "
                              "J /run/media/ann/STICK 2"_s);
    QCOMPARE(table.find(u'C')->label, u"SYSTEM"_s);
    QCOMPARE(table.find(u'F')->label, u"Home"_s);
}

void DriveTableTest::rootIsAlwaysDriveC()
{
    // A container's root is an overlay; it is still the fixed drive C.
    const DriveTable overlayRoot = assignDriveLetters(
        {mount(u"/"_s, "overlay", "overlay", 1), mount(u"/data"_s, "xfs", "/dev/vdb", 2)});
    QCOMPARE(describe(overlayRoot), u"C / 3; D /data 3"_s);

    const DriveTable noMounts = assignDriveLetters({});
    QCOMPARE(describe(noMounts), u"C / 3"_s);
}

void DriveTableTest::lettersEndAtZ()
{
    std::vector<MountEntry> mounts{mount(u"/"_s, "ext4", "/dev/sda1", 1)};
    for (int i = 0; i < 30; ++i) {
        mounts.push_back(
            mount(u"/mnt/d"_s + QString::number(i + 10), "ext4", "/dev/sdb", quint64(100 + i)));
    }
    const DriveTable table = assignDriveLetters(mounts);
    QCOMPARE(table.drives().size(), std::size_t(24)); // C to Z
    QCOMPARE(table.drives().back().letter, QChar(u'Z'));
}

void DriveTableTest::platformAnswersByLetter()
{
    const PosixPlatform platform(DriveTable({{u'C', u"/"_s, DriveType::Fixed, u"Work: C\\drive"_s},
                                             {u'E', u"/media/cd"_s, DriveType::CdRom, {}}}),
                                 u"C:\\WINDOWS"_s);
    QCOMPARE(platform.driveType(u"C:\\"_s), DriveType::Fixed);
    QCOMPARE(platform.driveType(u"e:\\"_s), DriveType::CdRom);
    QCOMPARE(platform.driveType(u"D:\\"_s), DriveType::NoRootDir);
    QCOMPARE(platform.driveType(u"C:\\Windows"_s), DriveType::NoRootDir);
    // The drive text is read back up to its "(C:)": the label may carry neither ":" nor "\".
    QCOMPARE(platform.volumeLabel(u"C:"_s), u"Work Cdrive"_s);
    QCOMPARE(platform.volumeLabel(u"E:"_s), QString());
    QVERIFY_THROWS_EXCEPTION(PlatformError, platform.volumeLabel(u"D:"_s));
    QCOMPARE(platform.windowsDirectory(), u"C:\\WINDOWS"_s);
}

void DriveTableTest::thisMachineHasDriveC()
{
    const std::unique_ptr<PosixPlatform> platform = PosixPlatform::forThisMachine();
    QCOMPARE(platform->driveType(u"C:\\"_s), DriveType::Fixed);
    QCOMPARE(platform->windowsDirectory(), u"C:\\usr"_s);
    const FolderListing root =
        platform->listFolder(*platform->openFolder(u"C:\\"_s), EntryKind::Folders);
    QVERIFY(root.names.contains(u"usr"_s));

    // The system's folder is known by what it is, whichever path leads there.
    const auto inSystemFolder = [&](const QString &folder) {
        return platform->isInSystemFolder(*platform->openFolder(folder));
    };
    QVERIFY(inSystemFolder(u"C:\\usr"_s));
    QVERIFY(inSystemFolder(u"C:\\usr\\share"_s));
    QVERIFY(!inSystemFolder(u"C:\\"_s));
    QVERIFY(!inSystemFolder(u"C:\\etc"_s));
    if (root.names.contains(u"bin"_s))
        QCOMPARE(inSystemFolder(u"C:\\bin"_s),
                 QFileInfo(u"/bin"_s).canonicalFilePath().startsWith(u"/usr/"_s));
}

void DriveTableTest::noLetterInsideTheSystemFolder()
{
    const DriveTable table = assignDriveLetters(
        {
            mount(u"/"_s, "ext4", "/dev/sda2", 1), mount(u"/usr"_s, "xfs", "/dev/sda3", 2),
            mount(u"/usr/local"_s, "ext4", "/dev/sda4", 3),
            mount(u"/usrdata"_s, "ext4", "/dev/sda5", 4),
            mount(u"/srv/local"_s, "ext4", "/dev/sda4", 3), // the same disk as /usr/local
        },
        u"/usr"_s);
    QCOMPARE(describe(table), u"C / 3; D /srv/local 3; E /usrdata 3"_s);
}

void DriveTableTest::noLetterForTheSystemFoldersFileSystem_data()
{
    // Each table: "/" on 254:0 with mount id 1, then the lines given; the system folder is /usr.
    QTest::addColumn<QByteArray>("mountInfo");
    QTest::addColumn<QString>("drives");
    QTest::newRow("its own disk, mounted again")
        << "2 1 8:17 / /usr rw - ext4 /dev/sdb1 rw\n3 1 8:17 / /srv/x rw - ext4 /dev/sdb1 rw\n"_ba
        << u"C / 3"_s;
    QTest::newRow("a folder of its own disk, bound elsewhere")
        << "2 1 8:17 / /usr rw - ext4 /dev/sdb1 rw\n"
           "3 1 8:17 /share/doc /srv/doc rw - ext4 /dev/sdb1 rw\n"_ba
        << u"C / 3"_s;
    QTest::newRow("a disk mounted inside a bind mount of it")
        << "2 1 254:0 /usr /srv/usr rw - ext4 /dev/vda rw\n"
           "3 2 8:33 / /srv/usr/local rw - ext4 /dev/sdc1 rw\n"_ba
        << u"C / 3"_s;
    // Bound from a folder of another disk: that disk's look-alike folder is no part of it.
    QTest::newRow("bound from a folder of another disk")
        << "2 1 8:17 /sys/usr /usr rw - ext4 /dev/sdb1 rw\n"
           "3 1 8:17 /sys/usr/lib /srv/a-lib rw - ext4 /dev/sdb1 rw\n"
           "4 1 8:17 /sys/usr2 /srv/b-alike rw - ext4 /dev/sdb1 rw\n"_ba
        << u"C / 3; D /srv/b-alike 3"_s;
    // The disk mounted over it is the system folder now; the one it covers is not.
    QTest::newRow("mounted over")
        << "2 1 8:17 / /usr rw - ext4 /dev/sdb1 rw\n3 2 8:33 / /usr rw - ext4 /dev/sdc1 rw\n"
           "4 1 8:17 / /srv/old rw - ext4 /dev/sdb1 rw\n"
           "5 1 8:33 /lib /srv/new rw - ext4 /dev/sdc1 rw\n"_ba
        << u"C / 3; D /srv/old 3"_s;
    // Its files are there, whichever other mount leads to them.
    QTest::newRow("a disk mounted inside it, and again elsewhere")
        << "2 1 8:17 / /usr/x/loop rw - ext4 /dev/sdb1 rw\n"
           "3 1 8:17 / /mnt/loop2 rw - ext4 /dev/sdb1 rw\n"_ba
        << u"C / 3"_s;
    QTest::newRow("a tmpfs like one inside it, and a disk that lends it only a folder")
        << "2 1 0:50 / /usr/x/tm rw - tmpfs tmpfs rw\n3 1 0:51 / /mnt/tm rw - tmpfs tmpfs rw\n"
           "4 1 8:17 / /srv/x rw - ext4 /dev/sdb1 rw\n"
           "5 1 8:17 /lent /usr/lent rw - ext4 /dev/sdb1 rw\n"_ba
        << u"C / 3; D /mnt/tm 6; E /srv/x 3"_s;
    // One of its mounts cannot be placed: in doubt, none of them gets a letter.
    QTest::newRow("a disk also mounted where the table cannot place it")
        << "2 1 8:33 / /opt/z rw - ext4 /dev/sdc1 rw\n3 2 8:17 / /srv/y rw - ext4 /dev/sdb1 rw\n"
           "4 1 8:17 / /mnt/ok rw - ext4 /dev/sdb1 rw\n"_ba
        << u"C / 3; D /opt/z 3"_s;
}

void DriveTableTest::noLetterForTheSystemFoldersFileSystem()
{
    QFETCH(QByteArray, mountInfo);
    QFETCH(QString, drives);
    const std::vector<MountEntry> mounts =
        parseMountInfo("1 0 254:0 / / rw - ext4 /dev/vda rw\n" + mountInfo);
    QCOMPARE(describe(assignDriveLetters(mounts, u"/usr"_s)), drives);
}

void DriveTableTest::readsTheMountTable()
{
    const std::vector<MountEntry> mounts = parseMountInfo(
        "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
        "27 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
        "45 27 0:40 / /mnt/My\\040Disk rw,nosuid shared:2 master:7 - fuse.sshfs ann@nas:/ rw\n"
        "46 27 8:17 /sub /srv/bind rw - ext4 /dev/sdb1 rw\n"
        "47 27 0:41 / /mnt/nfs rw - nfs4 nas:/export rw\n"
        "48 27 8:18 / /mnt/Disk\\040 rw - vfat /dev/sdb2 rw\n"
        "not a mount\n");
    QStringList rows;
    for (const MountEntry &mount : mounts) {
        rows.append(mount.mountPoint + u' ' + QString::fromUtf8(mount.fileSystemType) + u' ' +
                    QString::fromUtf8(mount.device) + u' ' +
                    QString::number(mount.fileSystemId == makedev(8, 17)) + u' ' +
                    QString::number(mayStopAnswering(mount)));
    }
    QCOMPARE(
        rows,
        (QStringList{u"/proc proc proc 0 0"_s, u"/ ext4 /dev/vda 0 0"_s,
                     u"/mnt/My Disk fuse.sshfs ann@nas:/ 0 1"_s, u"/srv/bind ext4 /dev/sdb1 1 0"_s,
                     u"/mnt/nfs nfs4 nas:/export 0 1"_s, u"/mnt/Disk  vfat /dev/sdb2 0 0"_s}));
}

void DriveTableTest::asksOnlyWhatItShowsAndWaitsOnNoMount()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(u"source"_s) && QDir(root.path()).mkpath(u"mnt"_s));
    StoppableMount dead(root.path() + u"/source"_s, root.path() + u"/mnt"_s);
    if (!dead.isMounted())
        QSKIP(qPrintable(dead.whyNot()));
    dead.stop();

    // A FUSE mount is never a fixed drive: start-up does not ask it anything.
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(PosixPlatform::forThisMachine()->driveType(u"C:\\"_s), DriveType::Fixed);
    QVERIFY(waited.elapsed() < 5000);

    // One that could be a drive but does not answer gets none, and is waited on no longer than
    // it was given.
    std::vector<MountEntry> mounts = {mount(root.path() + u"/mnt"_s, "ext4", "/dev/sdx1", 7),
                                      mount(root.path(), "ext4", "/dev/sdx2", 8)};
    waited.restart();
    askMounts(mounts, std::chrono::milliseconds(300));
    QVERIFY(waited.elapsed() < 3000);
    QVERIFY(!mounts[0].reachable);
    QVERIFY(mounts[1].reachable);
    QCOMPARE(describe(assignDriveLetters(mounts)), u"C / 3; D "_s + root.path() + u" 3"_s);
}

QTEST_GUILESS_MAIN(DriveTableTest)
#include "tst_drivetable.moc"
