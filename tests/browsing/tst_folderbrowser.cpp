// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/FolderBrowser.h"
#include "support/PrivateMounts.h"
#include "support/StoppableMount.h"
#include "support/TestDrives.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <numeric>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<TestDrive>)

class FolderBrowserTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepsProtectedFilesOut_data();
    void keepsProtectedFilesOut();
    void fixedDrivesInLetterOrder_data();
    void fixedDrivesInLetterOrder();
    void refusesTheSystemFolder_data();
    void refusesTheSystemFolder();
    void refusesThisMachinesSystemFolderThroughItsLinks();
    void refusesTheSystemFolderThroughMounts_data();
    void refusesTheSystemFolderThroughMounts();
    void opensTheFolderOfANode_data();
    void opensTheFolderOfANode();
    void waitsOnAStoppedFileSystemOnlyForTheUser_data();
    void waitsOnAStoppedFileSystemOnlyForTheUser();
    void waitsOnASlowFileSystemWhileItAnswers();
};

void FolderBrowserTest::keepsProtectedFilesOut_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("leftOut");
    QTest::newRow("system files by their ending")
        << u"C:\\sys"_s << QStringList{u"a.exe2"_s, u"data"_s, u"notes.txt"_s, u"report.docx"_s}
        << QStringList{u"AUTOEXEC.BAT"_s, u"backup-dat"_s, u"config.sys"_s, u"IO.DOS"_s,
                       u"lib.Dll"_s,      u"notes.mini"_s, u"run.com"_s,    u"setup.EXE"_s,
                       u"win.ini"_s,      u"xexe"_s};
    QTest::newRow("autoexec.bat in any letter case")
        << u"D:"_s << QStringList{u"autoexec.bat.txt"_s}
        << QStringList{u"AutoExec.Bat"_s, u"autoexec.bat"_s};
    QTest::newRow("every file counted")
        << u"C:\\p"_s << QStringList{u"a.txt"_s, u"c.txt"_s, u"e.txt"_s}
        << QStringList{u"b.ini"_s, u"d.dll"_s};
}

void FolderBrowserTest::keepsProtectedFilesOut()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, leftOut);
    SKIP_UNLESS_ABLE(TestDrives::withoutNames(kept + leftOut));
    TestDrives drives;
    drives.makeFiles(folder, kept + leftOut + QStringList{u".hidden.txt"_s});
    QVERIFY(drives.makeFolder(folder + u"\\folder.txt"_s));
    const FolderBrowser browser(drives.platform());
    const Listing listing = drives.listFiles(folder);
    QList<qsizetype> progress;
    QCOMPARE(browser.shownFiles(listing.folder, listing.names,
                                [&](qsizetype looked) { progress.append(looked); }),
             kept);
    // The files left out count on the bar like the others.
    QList<qsizetype> everyFile(kept.size() + leftOut.size());
    std::iota(everyFile.begin(), everyFile.end(), 1);
    QCOMPARE(progress, everyFile);
    // A hidden name, a folder or a file gone stays out however it is asked for.
    const QStringList others = {u".hidden.txt"_s, u"folder.txt"_s, u"gone.txt"_s};
    QCOMPARE(browser.shownFiles(listing.folder, others, {}), QStringList());
}

void FolderBrowserTest::fixedDrivesInLetterOrder_data()
{
    QTest::addColumn<std::vector<TestDrive>>("layout");
    QTest::addColumn<QStringList>("nodes"); // key and text
    QTest::newRow("the usual drives")
        << TestDrives::standardLayout() << QStringList{u"root67 System (C:)"_s, u"root68  (D:)"_s};
    QTest::newRow("labels in proper case, drives in letter order")
        << std::vector<TestDrive>{{u'D', DriveType::Fixed, u"mY dISK: 2"_s},
                                  {u'C', DriveType::Fixed, u"WORK data"_s}}
        << QStringList{u"root67 Work Data (C:)"_s, u"root68 My Disk 2 (D:)"_s};
    QTest::newRow("without any fixed drive")
        << std::vector<TestDrive>{{u'A', DriveType::Removable, {}}, {u'E', DriveType::CdRom, {}}}
        << QStringList();
}

void FolderBrowserTest::fixedDrivesInLetterOrder()
{
    QFETCH(std::vector<TestDrive>, layout);
    QFETCH(QStringList, nodes);
    // The desktop may answer with a NUL and whatever follows it.
    const TestDrives drives(layout, RenameWay::NoReplaceFlag,
                            u"C:\\WINDOWS"_s + QChar(0) + u"ab"_s);
    const FolderBrowser browser(drives.platform());
    QStringList seen;
    for (const FolderBrowser::DriveNode &drive : browser.fixedDrives())
        seen.append(drive.key + u' ' + drive.text);
    QCOMPARE(seen, nodes);
    QCOMPARE(browser.systemFolder(), u"C:\\WINDOWS"_s);
}

void FolderBrowserTest::refusesTheSystemFolder_data()
{
    // A click is asked with the selected node's text (null for none), an expansion with the
    // node's own; each with the folder opened, and with none (a look-ahead, or unopenable).
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("lookAhead");
    QTest::addColumn<bool>("expansion");
    QTest::addColumn<bool>("unopened");
    QTest::newRow("the system folder")
        << u"C:\\WINDOWS"_s << u"WINDOWS"_s << true << true << true << true;
    QTest::newRow("inside it") << u"C:\\WINDOWS\\System32"_s << u"System32"_s << true << false
                               << true << false;
    // Its name alone refuses an expansion, but not a click.
    QTest::newRow("its name at another path")
        << u"C:\\other\\WINDOWS"_s << u"WINDOWS"_s << false << false << true << true;
    QTest::newRow("its name deeper, on another drive")
        << u"D:\\deep\\WINDOWS"_s << u"WINDOWS"_s << false << false << true << true;
    QTest::newRow("its name in another letter case")
        << u"D:\\deep\\Windows"_s << u"Windows"_s << false << false << false << false;
    // Its path with another node selected, or none: refused by what was opened alone.
    QTest::newRow("another node selected")
        << u"C:\\WINDOWS"_s << u"other"_s << true << false << true << false;
    QTest::newRow("no node selected")
        << u"C:\\WINDOWS"_s << QString() << true << false << true << false;
    // However it is reached.
    QTest::newRow("a link to it") << u"C:\\bin"_s << u"bin"_s << true << false << true << false;
    QTest::newRow("a link into it, deep below")
        << u"C:\\home\\ann\\fonts"_s << u"fonts"_s << true << false << true << false;
    QTest::newRow("an ordinary folder beside that link")
        << u"C:\\home\\ann\\Photos"_s << u"Photos"_s << false << false << false << false;
    // Removed once opened: where it was can no longer be told.
    QTest::newRow("a folder removed since it was opened")
        << u"C:\\home\\ann\\gone"_s << u"gone"_s << true << false << true << false;
}

void FolderBrowserTest::refusesTheSystemFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, text);
    QFETCH(bool, click);
    QFETCH(bool, lookAhead);
    QFETCH(bool, expansion);
    QFETCH(bool, unopened);
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    const bool otherCase = path.endsWith(u"Windows"_s);
    if (otherCase)
        SKIP_UNLESS_ABLE(TestDrives::withoutNames({u"WINDOWS"_s, u"Windows"_s}));
    TestDrives drives;
    drives.make({u"C:\\WINDOWS\\System32"_s, u"C:\\WINDOWS\\Fonts"_s, u"C:\\other\\WINDOWS"_s,
                 u"C:\\home\\ann\\Photos"_s, u"D:\\deep\\WINDOWS"_s, u"C:\\home\\ann\\gone"_s});
    if (otherCase)
        QVERIFY(drives.makeFolder(path));
    QVERIFY(drives.makeLink(u"C:\\bin"_s, "WINDOWS"));
    QVERIFY(drives.makeLink(u"C:\\home\\ann\\fonts"_s,
                            QFile::encodeName(drives.native(u"C:\\WINDOWS\\Fonts"_s))));
    const FolderBrowser browser(drives.platform());
    const OpenFolder opened = browser.openFolder(path);
    QVERIFY(opened);
    if (text == u"gone")
        QVERIFY(QDir().rmdir(drives.native(path)));
    const std::optional<QString> selected =
        text.isNull() ? std::nullopt : std::optional<QString>(text);
    QCOMPARE(browser.refusesClick(path, selected, opened), click);
    QCOMPARE(browser.refusesClick(path, selected, nullptr), lookAhead);
    QCOMPARE(browser.refusesExpansion(text, opened), expansion);
    QCOMPARE(browser.refusesExpansion(text, nullptr), unopened);
}

void FolderBrowserTest::refusesThisMachinesSystemFolderThroughItsLinks()
{
    if (QFileInfo(u"/bin"_s).symLinkTarget() != u"/usr/bin"_s)
        QSKIP("/bin is no link into /usr here");
    const std::unique_ptr<PosixPlatform> platform = PosixPlatform::forThisMachine();
    const FolderBrowser browser(*platform);
    const OpenFolder bin = browser.openFolder(u"C:\\bin"_s);
    QVERIFY(browser.refusesClick(u"C:\\bin", u"bin"_s, bin));
}

void FolderBrowserTest::refusesTheSystemFolderThroughMounts_data()
{
    QTest::addColumn<bool>("ownFileSystem"); // the system folder is a file system of its own
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("refused");
    for (const bool own : {false, true}) {
        const char *const on = own ? ", on its own file system" : "";
        const auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s%s", name, on) << own;
        };
        row("a bind mount of a folder inside it") << u"C:\\home\\ann\\bound"_s << true;
        row("a link into that bind mount") << u"C:\\home\\ann\\link"_s << true;
        row("a bind mount of that one, on another drive") << u"D:\\deep"_s << true;
        row("the system folder mounted again") << u"C:\\srv\\again\\System32"_s << true;
        row("a bind mount of a look-alike beside it") << u"C:\\home\\ann\\alike"_s << false;
        row("a file system mounted inside it, bound elsewhere") << u"C:\\home\\ann\\tm"_s << true;
        row("a folder of that one, bound on another drive") << u"D:\\cache"_s << true;
        row("a file system like that one, mounted beside it")
            << u"C:\\home\\ann\\tmalike\\cache"_s << false;
    }
}

void FolderBrowserTest::refusesTheSystemFolderThroughMounts()
{
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    if (!PrivateMounts::inOwnNamespace())
        return;
    QFETCH(bool, ownFileSystem);
    QFETCH(QString, path);
    QFETCH(bool, refused);
    TestDrives drives;
    PrivateMounts mounts;
    const auto native = [&](QStringView drivePath) { return drives.native(drivePath.toString()); };
    QVERIFY(drives.makeFolder(u"C:\\WINDOWS"_s));
    if (ownFileSystem && !mounts.mount(u"tmpfs"_s, native(u"C:\\WINDOWS"), "tmpfs"))
        QSKIP(qPrintable(mounts.whyNot));
    drives.make({u"C:\\WINDOWS\\System32\\drivers"_s, u"C:\\WINDOWS2\\System32"_s,
                 u"C:\\home\\ann\\bound"_s, u"C:\\home\\ann\\alike"_s, u"C:\\srv\\again"_s,
                 u"D:\\deep"_s, u"C:\\WINDOWS\\Temp"_s, u"C:\\home\\ann\\tm"_s,
                 u"C:\\home\\ann\\tmalike"_s, u"D:\\cache"_s});
    for (const QString &temp : {u"C:\\WINDOWS\\Temp"_s, u"C:\\home\\ann\\tmalike"_s}) {
        if (!mounts.mount(u"tmpfs"_s, native(temp), "tmpfs"))
            QSKIP(qPrintable(mounts.whyNot));
        QVERIFY(drives.makeFolder(temp + u"\\cache"_s));
    }
    if (!mounts.mount(native(u"C:\\WINDOWS\\System32"), native(u"C:\\home\\ann\\bound")) ||
        !mounts.mount(native(u"C:\\home\\ann\\bound\\drivers"), native(u"D:\\deep")) ||
        !mounts.mount(native(u"C:\\WINDOWS"), native(u"C:\\srv\\again")) ||
        !mounts.mount(native(u"C:\\WINDOWS2"), native(u"C:\\home\\ann\\alike")) ||
        !mounts.mount(native(u"C:\\WINDOWS\\Temp"), native(u"C:\\home\\ann\\tm")) ||
        !mounts.mount(native(u"C:\\home\\ann\\tm\\cache"), native(u"D:\\cache")))
        QSKIP(qPrintable(mounts.whyNot));
    QVERIFY(drives.makeLink(u"C:\\home\\ann\\link"_s,
                            QFile::encodeName(native(u"C:\\home\\ann\\bound\\drivers"))));
    const FolderBrowser browser(drives.platform());
    const OpenFolder opened = browser.openFolder(path);
    QVERIFY(opened);
    const QString name = path.section(u'\\', -1);
    QCOMPARE(browser.refusesClick(path, name, opened), refused);
    QCOMPARE(browser.refusesExpansion(name, opened), refused);
}

void FolderBrowserTest::opensTheFolderOfANode_data()
{
    QTest::addColumn<QString>("fullPath");
    QTest::addColumn<QString>("opened"); // its path, empty for none
    QTest::newRow("a folder") << u"System (C:)\\home\\ann"_s << u"C:\\home\\ann"_s;
    QTest::newRow("a drive") << u"System (C:)"_s << u"C:\\"_s;
    QTest::newRow("no drive letter") << u"home\\ann"_s << QString();
    QTest::newRow("a folder that cannot be opened") << u"System (C:)\\gone"_s << QString();
}

void FolderBrowserTest::opensTheFolderOfANode()
{
    QFETCH(QString, fullPath);
    QFETCH(QString, opened);
    TestDrives drives;
    QVERIFY(drives.makeFolder(u"C:\\home\\ann"_s));
    const OpenFolder folder = FolderBrowser(drives.platform()).openNodeFolder(fullPath);
    QCOMPARE(folder ? folder->path() : QString(), opened);
}

void FolderBrowserTest::waitsOnAStoppedFileSystemOnlyForTheUser_data()
{
    QTest::addColumn<QString>("step");
    for (const char *step : {"open", "list", "list through a link", "find a file", "rename",
                             "flush", "check its path"})
        QTest::newRow(step) << QString::fromLatin1(step);
}

void FolderBrowserTest::waitsOnAStoppedFileSystemOnlyForTheUser()
{
    QFETCH(QString, step);
    TestDrives drives;
    drives.make({u"C:\\mnt"_s, u"C:\\source\\inside"_s, u"C:\\WINDOWS"_s},
                {u"C:\\source\\inside\\a.txt"_s});
    StoppableMount mount(drives.native(u"C:\\source"_s), drives.native(u"C:\\mnt"_s));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.whyNot()));
    PosixPlatform &platform = drives.platform();
    // A second of silence, not the program's ten, keeps the test short.
    platform.setPatience(std::chrono::seconds(1));
    int paints = 0;
    platform.setWaitHooks({[&] { return ++paints > 0; }, {}});
    const FolderBrowser browser(platform);
    QVERIFY(platform.mayStopAnswering(u"C:\\mnt\\inside"_s));
    QVERIFY(!platform.mayStopAnswering(u"C:\\source"_s));
    QVERIFY(browser.openFolder(u"C:\\mnt"_s, FolderBrowser::OpenFor::LookAhead) == nullptr);
    // A link does not hide where the folder lies.
    const bool throughLink = step.endsWith(u"through a link");
    if (throughLink) {
        SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
        QVERIFY(
            drives.makeLink(u"C:\\link"_s, QFile::encodeName(drives.native(u"C:\\mnt\\inside"_s))));
    }
    const OpenFolder inside = // while it answers
        browser.openFolder(throughLink ? u"C:\\link"_s : u"C:\\mnt\\inside"_s);
    QVERIFY(inside && platform.isFile(*inside, u"a.txt"_s));

    mount.stop();
    // The folder above still lists it, and the look-ahead passes it by without a question.
    QVERIFY(platform.listFolder(*browser.openFolder(u"C:\\"_s), EntryKind::Folders)
                .names.contains(u"mnt"_s));
    QElapsedTimer waited;
    waited.start();
    QVERIFY(!browser.openFolder(u"C:\\mnt"_s, FolderBrowser::OpenFor::LookAhead));
    // Nor does the refusal of a folder opened there ask it anything.
    QVERIFY(!browser.refusesExpansion(u"inside"_s, inside));
    QVERIFY(waited.elapsed() < 500);
    // Every step of the user's waits out the silence, painted meanwhile, then fails as it fails
    // for any other cause.
    waited.restart();
    bool failed = false;
    QString reason = u"no failure"_s;
    try {
        if (step == u"open")
            failed = !browser.openFolder(u"C:\\mnt\\inside"_s);
        else if (step.startsWith(u"list"))
            platform.listFolder(*inside, EntryKind::Files);
        else if (step == u"find a file")
            platform.isFile(*inside, u"a.txt"_s);
        else if (step == u"rename")
            platform.renameFile(*inside, u"a.txt"_s, u"b.txt"_s);
        else if (step == u"flush")
            platform.flushFolder(*inside);
        else
            platform.isAtItsPath(*inside);
    } catch (const PlatformError &error) {
        reason = error.cause();
        failed = reason.contains(u"stopped answering"_s);
    }
    QVERIFY2(failed, qPrintable(reason));
    QVERIFY2(waited.elapsed() >= 900 && waited.elapsed() < 3000,
             qPrintable(QString::number(waited.elapsed())));
    QVERIFY(paints > 10);
    // A folder that went unanswered is asked nothing more, but fails at once.
    waited.restart();
    if (step != u"open")
        QVERIFY_THROWS_EXCEPTION(PlatformError, platform.flushFolder(*inside));
    QVERIFY(waited.elapsed() < 500);
}

void FolderBrowserTest::waitsOnASlowFileSystemWhileItAnswers()
{
    TestDrives drives;
    drives.make({u"C:\\mnt"_s}, {u"C:\\source\\share\\a.txt"_s, u"C:\\source\\share\\b.txt"_s});
    // A share that takes half a second over every answer: the open alone takes longer than the
    // whole wait it once had, and all of it longer than any silence allowed.
    StoppableMount mount(drives.native(u"C:\\source"_s), drives.native(u"C:\\mnt"_s),
                         std::chrono::milliseconds(500));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.whyNot()));
    PosixPlatform &platform = drives.platform();
    platform.setPatience(std::chrono::seconds(2));
    QElapsedTimer took;
    took.start();
    const OpenFolder share = FolderBrowser(platform).openFolder(u"C:\\mnt\\share"_s);
    QVERIFY(share);
    QVERIFY(took.elapsed() > 1000);
    QCOMPARE(platform.listFolder(*share, EntryKind::Files).names,
             (QStringList{u"a.txt"_s, u"b.txt"_s}));
    platform.renameFile(*share, u"a.txt"_s, u"c.txt"_s);
    platform.flushFolder(*share);
    QVERIFY(platform.isAtItsPath(*share));
    QVERIFY(took.elapsed() > 2000);
    QCOMPARE(drives.entriesOf(u"C:\\source\\share"_s), (QStringList{u"b.txt"_s, u"c.txt"_s}));
}

QTEST_MAIN(FolderBrowserTest)
#include "tst_folderbrowser.moc"
