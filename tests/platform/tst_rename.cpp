// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileSystemObject.h"
#include "support/TestDrives.h"

#include <QFile>
#include <QTest>
#include <QThread>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

// What another program does with a reserved name in the instant before the rename.
enum class Taker { WritesIntoIt, PutsAFileInItsPlace, LinksItToWriteLater };

Q_DECLARE_METATYPE(RenameWay)
Q_DECLARE_METATYPE(Taker)

namespace
{

// Every way of renaming without replacing, as the file systems that offer only it take it.
void addRenameWays()
{
    QTest::addColumn<RenameWay>("way");
    QTest::newRow("no-replace flag") << RenameWay::NoReplaceFlag;
    QTest::newRow("hard link") << RenameWay::HardLink;
    QTest::newRow("reservation") << RenameWay::Reservation;
}

// The file at a drive path, reached through its opened folder as the program reaches files.
FileObject fileAt(const TestDrives &drives, const QString &path)
{
    const qsizetype separator = path.lastIndexOf(u'\\');
    return FileSystemObject(drives.platform())
        .GetFile(drives.platform().openFolder(path.left(separator)), path.mid(separator + 1));
}

} // namespace

class RenameTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsFilesOnly();
    void renamesInPlaceKeepingContent_data() { addRenameWays(); }
    void renamesInPlaceKeepingContent();
    void neverReplacesAnotherFile_data() { addRenameWays(); }
    void neverReplacesAnotherFile();
    void refusesNamesThatCannotStand_data();
    void refusesNamesThatCannotStand();
    void changesLetterCaseAlone_data() { addRenameWays(); }
    void changesLetterCaseAlone();
    void renamesTheLinkNotItsTarget();
    void failsForAFileThatIsGone_data() { addRenameWays(); }
    void failsForAFileThatIsGone();
    void reservationNeverReplacesAFileMadeMeanwhile();
    void reservationTakenMeanwhileIsLeftToItsTaker_data();
    void reservationTakenMeanwhileIsLeftToItsTaker();
};

void RenameTest::findsFilesOnly()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\docs\\a.txt"_s));
    QVERIFY(drives.makeFolder(u"C:\\docs\\sub"_s));
    FileSystemObject fso(drives.platform());
    const OpenFolder docs = drives.platform().openFolder(u"C:\\docs"_s);

    QVERIFY(fso.FileExists(docs, u"a.txt"_s));
    for (const QString &name : {u"sub"_s, u"missing.txt"_s, QString(), u"../docs/a.txt"_s})
        QVERIFY2(!fso.FileExists(docs, name), qPrintable(name));

    QCOMPARE(fso.GetFile(docs, u"a.txt"_s).Name(), u"a.txt"_s);
    QVERIFY_THROWS_EXCEPTION(PlatformError, fso.GetFile(docs, u"missing.txt"_s));
    QVERIFY_THROWS_EXCEPTION(PlatformError, fso.GetFile(docs, u"sub"_s));
}

void RenameTest::renamesInPlaceKeepingContent()
{
    QFETCH(RenameWay, way);
    TestDrives drives(TestDrives::standardLayout(), way);
    QVERIFY(drives.makeFile(u"D:\\Photos\\img 1.jpg"_s, "pixels"));
    FileObject file = fileAt(drives, u"D:\\Photos\\img 1.jpg"_s);
    file.setName(u"Été 2024 – img 1.jpg"_s);
    QCOMPARE(file.Name(), u"Été 2024 – img 1.jpg"_s);
    QCOMPARE(drives.entriesOf(u"D:\\Photos"_s), QStringList{u"Été 2024 – img 1.jpg"_s});
    QCOMPARE(drives.contentOf(u"D:\\Photos\\Été 2024 – img 1.jpg"_s), "pixels"_ba);

    // The object follows its file: a second rename starts from the new name.
    file.setName(u"final.jpg"_s);
    QCOMPARE(drives.entriesOf(u"D:\\Photos"_s), QStringList{u"final.jpg"_s});
}

void RenameTest::neverReplacesAnotherFile()
{
    QFETCH(RenameWay, way);
    TestDrives drives(TestDrives::standardLayout(), way);
    QVERIFY(drives.makeFile(u"C:\\f\\a.txt"_s, "first"));
    QVERIFY(drives.makeFile(u"C:\\f\\b.txt"_s, "second"));
    QVERIFY(drives.makeFolder(u"C:\\f\\folder"_s));
    FileObject file = fileAt(drives, u"C:\\f\\a.txt"_s);

    for (const QString &taken : {u"b.txt"_s, u"folder"_s}) {
        QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(taken));
        QCOMPARE(file.Name(), u"a.txt"_s);
        QCOMPARE(drives.contentOf(u"C:\\f\\a.txt"_s), "first"_ba);
        QCOMPARE(drives.contentOf(u"C:\\f\\b.txt"_s), "second"_ba);
        QCOMPARE(drives.entriesOf(u"C:\\f"_s), (QStringList{u"a.txt"_s, u"b.txt"_s, u"folder"_s}));
    }

    // Two names of one file are still two names: the rename must not drop either.
    SKIP_UNLESS_ABLE(TestDrives::withoutHardLinks());
    QCOMPARE(::link(QFile::encodeName(drives.native(u"C:\\f\\a.txt"_s)).constData(),
                    QFile::encodeName(drives.native(u"C:\\f\\twin.txt"_s)).constData()),
             0);
    QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(u"twin.txt"_s));
    QCOMPARE(drives.entriesOf(u"C:\\f"_s),
             (QStringList{u"a.txt"_s, u"b.txt"_s, u"folder"_s, u"twin.txt"_s}));
}

void RenameTest::refusesNamesThatCannotStand_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << u"."_s;
    QTest::newRow("dot dot") << u".."_s;
    QTest::newRow("up and out") << u"../x.txt"_s;
    QTest::newRow("into a folder") << u"sub/x.txt"_s;
    QTest::newRow("backslash") << u"..\\x.txt"_s;
    QTest::newRow("nul") << (u"a"_s + QChar(0) + u"b"_s);
    QTest::newRow("line break") << u"x\r\n    fake.txt"_s;
    QTest::newRow("delete character") << (u"a"_s + QChar(0x7f) + u".txt"_s);
    QTest::newRow("too long") << QString(300, u'x');
    QTest::newRow("lone surrogate") << (u"a"_s + QChar(0xD800) + u".txt"_s);
}

void RenameTest::refusesNamesThatCannotStand()
{
    QFETCH(QString, newName);
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\top\\f\\a.txt"_s, "kept"));
    QVERIFY(drives.makeFolder(u"C:\\top\\f\\sub"_s));
    FileObject file = fileAt(drives, u"C:\\top\\f\\a.txt"_s);

    QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(newName));
    QCOMPARE(file.Name(), u"a.txt"_s);
    QCOMPARE(drives.contentOf(u"C:\\top\\f\\a.txt"_s), "kept"_ba);
    QCOMPARE(drives.entriesOf(u"C:\\top\\f"_s), (QStringList{u"a.txt"_s, u"sub"_s}));
    QCOMPARE(drives.entriesOf(u"C:\\top\\f\\sub"_s), QStringList());
    QCOMPARE(drives.entriesOf(u"C:\\top"_s), QStringList{u"f"_s});
}

void RenameTest::changesLetterCaseAlone()
{
    QFETCH(RenameWay, way);
    TestDrives drives(TestDrives::standardLayout(), way);
    QVERIFY(drives.makeFile(u"C:\\c\\holiday.JPG"_s, "x"));
    FileObject file = fileAt(drives, u"C:\\c\\holiday.JPG"_s);
    file.setName(u"Holiday.jpg"_s);
    QCOMPARE(drives.entriesOf(u"C:\\c"_s), QStringList{u"Holiday.jpg"_s});
}

void RenameTest::renamesTheLinkNotItsTarget()
{
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\l\\target.txt"_s, "data"));
    QVERIFY(drives.makeLink(u"C:\\l\\link.txt"_s, "target.txt"));
    FileObject link = fileAt(drives, u"C:\\l\\link.txt"_s);
    link.setName(u"renamed-link.txt"_s);
    QCOMPARE(drives.entriesOf(u"C:\\l"_s), (QStringList{u"renamed-link.txt"_s, u"target.txt"_s}));
    QCOMPARE(drives.contentOf(u"C:\\l\\renamed-link.txt"_s), "data"_ba);
}

void RenameTest::failsForAFileThatIsGone()
{
    QFETCH(RenameWay, way);
    TestDrives drives(TestDrives::standardLayout(), way);
    QVERIFY(drives.makeFile(u"C:\\g\\a.txt"_s));
    FileObject file = fileAt(drives, u"C:\\g\\a.txt"_s);
    QVERIFY(QFile::remove(drives.native(u"C:\\g\\a.txt"_s)));
    QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(u"b.txt"_s));
    // No reservation of the new name is left behind.
    QCOMPARE(drives.entriesOf(u"C:\\g"_s), QStringList());
}

void RenameTest::reservationNeverReplacesAFileMadeMeanwhile()
{
    // Another program makes the new name whenever it finds it free, while the rename runs. If
    // both succeed in one round, the rename has replaced that program's file.
    if (QThread::idealThreadCount() < 2)
        QSKIP("a race of two threads needs two processors, and the machine has one");
    TestDrives drives(TestDrives::standardLayout(), RenameWay::Reservation);
    QVERIFY(drives.makeFolder(u"C:\\race"_s));
    const OpenFolder folder = drives.platform().openFolder(u"C:\\race"_s);
    const int dirFd = folder->descriptor();
    std::mutex lock;
    bool racing = false;
    bool stop = false;
    int theirs = -1; // the other program's file of this round, held open
    std::thread other([&] {
        for (;;) {
            const std::lock_guard<std::mutex> guard(lock);
            if (stop)
                return;
            if (racing && theirs < 0)
                theirs = ::openat(dirFd, "new.txt", O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        }
    });
    int replaced = 0;
    int renamed = 0;
    int rounds = 0;
    // Until each side has won rounds: on a busy machine one side may win hundreds in a row.
    const auto raced = [&] { return renamed >= 20 && rounds - renamed >= 20; };
    for (; rounds < 50000 && !raced(); ++rounds) {
        ::close(::openat(dirFd, "old.txt", O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
        bool done = false;
        {
            const std::lock_guard<std::mutex> guard(lock);
            racing = true;
        }
        try {
            drives.platform().renameFile(*folder, u"old.txt"_s, u"new.txt"_s);
            done = true;
            ++renamed;
        } catch (const PlatformError &) {
        }
        const std::lock_guard<std::mutex> guard(lock);
        racing = false;
        if (theirs >= 0) {
            struct stat status {
            };
            if (done && ::fstat(theirs, &status) == 0 && status.st_nlink == 0)
                ++replaced;
            ::close(theirs);
            theirs = -1;
        }
        ::unlinkat(dirFd, "new.txt", 0);
    }
    {
        const std::lock_guard<std::mutex> guard(lock);
        stop = true;
    }
    other.join();
    QCOMPARE(replaced, 0);
    if (!raced())
        QSKIP("the other program never got between the reservation and the rename");
}

void RenameTest::reservationTakenMeanwhileIsLeftToItsTaker_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<Taker>("taker");
    QTest::newRow("written into") << u"new.txt"_s << Taker::WritesIntoIt;
    QTest::newRow("put in its place") << u"new.txt"_s << Taker::PutsAFileInItsPlace;
    QTest::newRow("letter case, written into") << u"OLD.txt"_s << Taker::WritesIntoIt;
    QTest::newRow("linked, to be written later") << u"new.txt"_s << Taker::LinksItToWriteLater;
}

void RenameTest::reservationTakenMeanwhileIsLeftToItsTaker()
{
    QFETCH(QString, newName);
    QFETCH(Taker, taker);
    // Where both spellings are one file, the other program saves into this one.
    SKIP_UNLESS_ABLE(TestDrives::withoutNames({newName, u"old.txt"_s}));
    const bool links = taker == Taker::LinksItToWriteLater;
    if (links)
        SKIP_UNLESS_ABLE(TestDrives::withoutHardLinks());
    TestDrives drives(TestDrives::standardLayout(), RenameWay::Reservation);
    QVERIFY(drives.makeFile(u"C:\\t\\old.txt"_s, "mine"));
    FileObject file = fileAt(drives, u"C:\\t\\old.txt"_s);
    const QByteArray taken = QFile::encodeName(drives.native(u"C:\\t\\"_s + newName));
    // Another program saving to the name in the instant before the rename, without O_EXCL.
    drives.platform().setWhileNameReserved([&] {
        if (links) {
            const QByteArray link = QFile::encodeName(drives.native(u"C:\\t\\link.txt"_s));
            QCOMPARE(::link(taken.constData(), link.constData()), 0);
            return;
        }
        if (taker == Taker::PutsAFileInItsPlace)
            QCOMPARE(::unlink(taken.constData()), 0);
        const int fd = ::open(taken.constData(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0600);
        QCOMPARE(::write(fd, "theirs", 6), ssize_t(6));
        ::close(fd);
    });
    QString reason;
    try {
        file.setName(newName);
    } catch (const PlatformError &error) {
        reason = QString::fromUtf8(error.what());
    }
    QVERIFY2(reason.endsWith(u'"' + newName + u"\" was taken by another program meanwhile"_s),
             qPrintable(reason));
    QCOMPARE(drives.entriesOf(u"C:\\t"_s), ((links ? QStringList{u"link.txt"_s} : QStringList()) +
                                            QStringList{newName, u"old.txt"_s}));
    QCOMPARE(drives.contentOf(u"C:\\t\\"_s + newName), links ? QByteArray() : "theirs"_ba);
    QCOMPARE(drives.contentOf(u"C:\\t\\old.txt"_s), "mine"_ba);
}

QTEST_GUILESS_MAIN(RenameTest)
#include "tst_rename.moc"
