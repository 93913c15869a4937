#include "platform/FileSystemObject.h"
#include "support/TestDrives.h"

#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

class RenameTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsFilesOnly();
    void renamesInPlaceKeepingContent();
    void neverReplacesAnotherFile();
    void refusesNamesThatCannotStand_data();
    void refusesNamesThatCannotStand();
    void changesLetterCaseAlone();
    void renamesTheLinkNotItsTarget();
    void failsForAFileThatIsGone();
};

void RenameTest::findsFilesOnly()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\docs\\a.txt"_s));
    QVERIFY(drives.makeFolder(u"C:\\docs\\sub"_s));
    const FileSystemObject fso(drives.platform());

    QVERIFY(fso.FileExists(u"C:\\docs\\a.txt"_s));
    QVERIFY(!fso.FileExists(u"C:\\docs\\sub"_s));
    QVERIFY(!fso.FileExists(u"C:\\docs\\missing.txt"_s));
    QVERIFY(!fso.FileExists(u"C:\\"_s));
    QVERIFY(!fso.FileExists(u"C:\\docs\\..\\docs\\a.txt"_s));

    QCOMPARE(fso.GetFile(u"C:\\docs\\a.txt"_s).Name(), u"a.txt"_s);
    QVERIFY_THROWS_EXCEPTION(PlatformError, fso.GetFile(u"C:\\docs\\missing.txt"_s));
    QVERIFY_THROWS_EXCEPTION(PlatformError, fso.GetFile(u"C:\\docs\\sub"_s));
}

void RenameTest::renamesInPlaceKeepingContent()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"D:\\Photos\\img 1.jpg"_s, "pixels"));
    const FileSystemObject fso(drives.platform());
    FileObject file = fso.GetFile(u"D:\\Photos\\img 1.jpg"_s);
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
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\f\\a.txt"_s, "first"));
    QVERIFY(drives.makeFile(u"C:\\f\\b.txt"_s, "second"));
    QVERIFY(drives.makeFolder(u"C:\\f\\folder"_s));
    const FileSystemObject fso(drives.platform());
    FileObject file = fso.GetFile(u"C:\\f\\a.txt"_s);

    for (const QString &taken : {u"b.txt"_s, u"folder"_s}) {
        QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(taken));
        QCOMPARE(file.Name(), u"a.txt"_s);
        QCOMPARE(drives.contentOf(u"C:\\f\\a.txt"_s), "first"_ba);
        QCOMPARE(drives.contentOf(u"C:\\f\\b.txt"_s), "second"_ba);
        QCOMPARE(drives.entriesOf(u"C:\\f"_s), (QStringList{u"a.txt"_s, u"b.txt"_s, u"folder"_s}));
    }

    // Two names of one file are still two names: the rename must not drop either.
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
    QTest::newRow("too long") << QString(300, u'x');
    QTest::newRow("lone surrogate") << (u"a"_s + QChar(0xD800) + u".txt"_s);
}

void RenameTest::refusesNamesThatCannotStand()
{
    QFETCH(QString, newName);
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\top\\f\\a.txt"_s, "kept"));
    QVERIFY(drives.makeFolder(u"C:\\top\\f\\sub"_s));
    const FileSystemObject fso(drives.platform());
    FileObject file = fso.GetFile(u"C:\\top\\f\\a.txt"_s);

    QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(newName));
    QCOMPARE(file.Name(), u"a.txt"_s);
    QCOMPARE(drives.contentOf(u"C:\\top\\f\\a.txt"_s), "kept"_ba);
    QCOMPARE(drives.entriesOf(u"C:\\top\\f"_s), (QStringList{u"a.txt"_s, u"sub"_s}));
    QCOMPARE(drives.entriesOf(u"C:\\top\\f\\sub"_s), QStringList());
    QCOMPARE(drives.entriesOf(u"C:\\top"_s), QStringList{u"f"_s});
}

void RenameTest::changesLetterCaseAlone()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\c\\holiday.JPG"_s, "x"));
    FileObject file = FileSystemObject(drives.platform()).GetFile(u"C:\\c\\holiday.JPG"_s);
    file.setName(u"Holiday.jpg"_s);
    QCOMPARE(drives.entriesOf(u"C:\\c"_s), QStringList{u"Holiday.jpg"_s});
}

void RenameTest::renamesTheLinkNotItsTarget()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\l\\target.txt"_s, "data"));
    QCOMPARE(
        ::symlink("target.txt", QFile::encodeName(drives.native(u"C:\\l\\link.txt"_s)).constData()),
        0);
    FileObject link = FileSystemObject(drives.platform()).GetFile(u"C:\\l\\link.txt"_s);
    link.setName(u"renamed-link.txt"_s);
    QCOMPARE(drives.entriesOf(u"C:\\l"_s), (QStringList{u"renamed-link.txt"_s, u"target.txt"_s}));
    QCOMPARE(drives.contentOf(u"C:\\l\\renamed-link.txt"_s), "data"_ba);
}

void RenameTest::failsForAFileThatIsGone()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\g\\a.txt"_s));
    FileObject file = FileSystemObject(drives.platform()).GetFile(u"C:\\g\\a.txt"_s);
    QVERIFY(QFile::remove(drives.native(u"C:\\g\\a.txt"_s)));
    QVERIFY_THROWS_EXCEPTION(PlatformError, file.setName(u"b.txt"_s));
    QCOMPARE(drives.entriesOf(u"C:\\g"_s), QStringList());
}

QTEST_GUILESS_MAIN(RenameTest)
#include "tst_rename.moc"
