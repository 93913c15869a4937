// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderEnumerator.h"
#include "platform/NameOrder.h"
#include "support/TestDrives.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

class EnumeratorsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namesInReadingOrder();
    void orderIsTotalWhateverTheInput();
    void listsOnlyWhatCanBeShownAndActedOn();
    void pathsReadBack();
    void unreadableFolderKeepsThePreviousOne();
    void refreshReadsTheFolderAgain();
    void staysOnTheFolderItOpened();
};

void EnumeratorsTest::namesInReadingOrder()
{
    TestDrives drives;
    QStringList expected = {u"_first.txt"_s,   u"a01.txt"_s,    u"a1.txt"_s,     u"a2.txt"_s,
                            u"a10.txt"_s,      u"apple.txt"_s,  u"B.txt"_s,      u"b.txt"_s,
                            u"Banana.txt"_s,   u"photo2.jpg"_s, u"Photo3.jpg"_s, u"photo10.jpg"_s,
                            u"photo10b.jpg"_s, u"Zebra"_s,      u"Été.txt"_s};
    // Where letter case makes no other name, the second spelling only writes to the first.
    if (!TestDrives::withoutNames({u"B.txt"_s, u"b.txt"_s}).isEmpty())
        expected.removeOne(u"b.txt"_s);
    for (const QString &name : expected)
        QVERIFY(drives.makeFile(u"C:\\mixed\\"_s + name));

    FolderEnumerator files(drives.platform(), EntryKind::Files);
    files.setPath(u"C:\\mixed"_s);
    QCOMPARE(files.names(), expected);

    // Folders follow the same order.
    for (const QString &name : {u"dir10"_s, u"Dir9"_s, u"dir1"_s})
        QVERIFY(drives.makeFolder(u"C:\\mixed\\"_s + name));
    FolderEnumerator folders(drives.platform(), EntryKind::Folders);
    folders.setPath(u"C:\\mixed"_s);
    QCOMPARE(folders.names(), (QStringList{u"dir1"_s, u"Dir9"_s, u"dir10"_s}));
}

void EnumeratorsTest::orderIsTotalWhateverTheInput()
{
    // Names built from few characters collide often in case and digits, which is where a
    // comparison that is not a strict order would make the sort depend on its input.
    const QString alphabet = u"aAbB0019._ é"_s;
    QRandomGenerator random(20261207);
    QStringList names;
    for (int i = 0; i < 2000; ++i) {
        QString name;
        const int length = 1 + random.bounded(6);
        for (int k = 0; k < length; ++k)
            name += alphabet.at(random.bounded(int(alphabet.size())));
        names.append(name);
    }
    names.removeDuplicates();

    QStringList sorted = names;
    sortNames(sorted);
    for (int round = 0; round < 3; ++round) {
        QStringList shuffled = names;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(round));
        sortNames(shuffled);
        QCOMPARE(shuffled, sorted);
    }
    for (qsizetype i = 1; i < sorted.size(); ++i) {
        QVERIFY2(compareNames(sorted[i - 1], sorted[i]) < 0, qPrintable(sorted[i]));
        QVERIFY(compareNames(sorted[i], sorted[i - 1]) > 0);
    }
}

void EnumeratorsTest::listsOnlyWhatCanBeShownAndActedOn()
{
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    SKIP_UNLESS_ABLE(TestDrives::withoutNames(
        {u"x\r\n    fake.txt"_s, u"del\x7f.txt"_s, u"tab\tdir"_s, u"back\\slash.txt"_s}));
    TestDrives drives;
    const QString folder = u"C:\\kinds"_s;
    QVERIFY(drives.makeFile(folder + u"\\plain.txt"_s));
    QVERIFY(drives.makeFile(folder + u"\\.hidden"_s));
    QVERIFY(drives.makeFolder(folder + u"\\sub"_s));
    QVERIFY(drives.makeFolder(folder + u"\\.hiddendir"_s));
    const QByteArray native = QFile::encodeName(drives.native(folder));
    // Names that would break the lines of a box that lists them.
    for (const char *name : {"/x\r\n    fake.txt", "/del\x7f.txt"})
        QVERIFY(QFile(QString::fromUtf8(native + name)).open(QIODevice::WriteOnly));
    QCOMPARE(::mkdir((native + "/tab\tdir").constData(), 0700), 0);
    QCOMPARE(::symlink("plain.txt", (native + "/link-to-file").constData()), 0);
    QCOMPARE(::symlink("sub", (native + "/link-to-folder").constData()), 0);
    QCOMPARE(::symlink("missing", (native + "/dangling").constData()), 0);
    QCOMPARE(::mkfifo((native + "/pipe").constData(), 0600), 0);
    // Neither text nor a name the drive path can carry:
    const int badName = ::open((native + "/bad\xff\xfe.txt").constData(), O_CREAT | O_WRONLY, 0600);
    if (badName < 0)
        QSKIP("the file system here holds no name that is not UTF-8");
    ::close(badName);
    // Qt cannot name this file to remove it with its folder: the test removes it itself.
    const auto removeBadName =
        qScopeGuard([&native] { ::unlink((native + "/bad\xff\xfe.txt").constData()); });
    QVERIFY(drives.makeFile(folder + u"\\placeholder"_s));
    QVERIFY(QFile::rename(drives.native(folder + u"\\placeholder"_s),
                          QString::fromUtf8(native) + u"/back\\slash.txt"_s));

    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(sock >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = native + "/socket";
    QVERIFY(socketPath.size() < qsizetype(sizeof(address.sun_path)));
    std::memcpy(address.sun_path, socketPath.constData(), socketPath.size());
    QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(sock);

    FolderEnumerator files(drives.platform(), EntryKind::Files);
    files.setPath(folder);
    QCOMPARE(files.names(), (QStringList{u"link-to-file"_s, u"plain.txt"_s}));

    FolderEnumerator folders(drives.platform(), EntryKind::Folders);
    folders.setPath(folder);
    QCOMPARE(folders.names(), (QStringList{u"link-to-folder"_s, u"sub"_s}));
}

void EnumeratorsTest::pathsReadBack()
{
    TestDrives drives;
    QVERIFY(drives.makeFolder(u"C:\\Music\\Jazz"_s));
    QVERIFY(drives.makeFolder(u"C:\\Music\\Blues"_s));
    QVERIFY(drives.makeFolder(u"D:\\Photos"_s));

    FolderEnumerator folders(drives.platform(), EntryKind::Folders);
    QCOMPARE(folders.Path(), QString());
    QCOMPARE(folders.ListCount(), 0);

    folders.setPath(u"C:\\"_s);
    QCOMPARE(folders.Path(), u"C:\\"_s);
    QCOMPARE(folders.ListCount(), 1);
    QCOMPARE(folders.names(), QStringList{u"Music"_s});

    folders.setPath(u"c:\\Music\\"_s);
    QCOMPARE(folders.Path(), u"C:\\Music"_s);
    QCOMPARE(folders.names(), (QStringList{u"Blues"_s, u"Jazz"_s}));

    folders.setPath(u"D:"_s);
    QCOMPARE(folders.Path(), u"D:\\"_s);
    QCOMPARE(folders.names(), QStringList{u"Photos"_s});
}

void EnumeratorsTest::unreadableFolderKeepsThePreviousOne()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\kept\\a.txt"_s));
    QVERIFY(drives.makeFile(u"C:\\file.txt"_s));
    FolderEnumerator files(drives.platform(), EntryKind::Files);
    files.setPath(u"C:\\kept"_s);

    for (const QString &bad :
         {u"C:\\missing"_s, u"C:\\file.txt"_s, u"Q:\\"_s, u"C:\\kept\\..\\kept"_s, u"kept"_s}) {
        QVERIFY_THROWS_EXCEPTION(PlatformError, files.setPath(bad));
        QCOMPARE(files.Path(), u"C:\\kept"_s);
        QCOMPARE(files.names(), QStringList{u"a.txt"_s});
    }
}

void EnumeratorsTest::refreshReadsTheFolderAgain()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\f\\one.txt"_s));
    FolderEnumerator files(drives.platform(), EntryKind::Files);
    files.setPath(u"C:\\f"_s);
    QCOMPARE(files.ListCount(), 1);
    QVERIFY(drives.makeFile(u"C:\\f\\two.txt"_s));
    QCOMPARE(files.ListCount(), 1); // read once, kept until refreshed
    files.Refresh();
    QCOMPARE(files.names(), (QStringList{u"one.txt"_s, u"two.txt"_s}));
}

void EnumeratorsTest::staysOnTheFolderItOpened()
{
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\work\\a.txt"_s));
    QVERIFY(drives.makeFile(u"C:\\other\\b.txt"_s));
    FolderEnumerator files(drives.platform(), EntryKind::Files);
    files.setPath(u"C:\\work"_s);
    QVERIFY(drives.platform().isAtItsPath(*files.folder()));

    // The folder's path now leads to another folder; the enumerator reads the one it opened.
    QVERIFY(QFile::rename(drives.native(u"C:\\work"_s), drives.native(u"C:\\moved"_s)));
    QVERIFY(drives.makeLink(u"C:\\work"_s, "other"));
    QVERIFY(drives.makeFile(u"C:\\moved\\c.txt"_s));
    files.Refresh();
    QCOMPARE(files.names(), (QStringList{u"a.txt"_s, u"c.txt"_s}));
    QCOMPARE(files.Path(), u"C:\\work"_s);
    QVERIFY(!drives.platform().isAtItsPath(*files.folder()));

    // Dir1 and File1 share what one click opened.
    FolderEnumerator folders(drives.platform(), EntryKind::Folders);
    folders.setFolder(files.folder());
    QCOMPARE(folders.ListCount(), 0);
    QCOMPARE(files.ListCount(), 2);
}

QTEST_GUILESS_MAIN(EnumeratorsTest)
#include "tst_enumerators.moc"
