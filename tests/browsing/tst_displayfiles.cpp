#include "support/ScriptedDialogs.h"
#include "support/TestDrives.h"
#include "support/WindowProbe.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

} // namespace

class DisplayFilesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepsProtectedFilesOut();
    void columnWidthFollowsTheFileCount_data();
    void columnWidthFollowsTheFileCount();
    void progressCountsEveryFile();
    void emptyFolderKeepsTheBarMaximum();
    void refillSelectsNothing();
    void folderPathEndsInSeparator();
    void listsMoreFilesThanSixteenBitsCount();
};

void DisplayFilesTest::keepsProtectedFilesOut()
{
    TestDrives drives;
    const QStringList kept = {u"a.exe2"_s, u"data"_s, u"notes.txt"_s, u"report.docx"_s};
    const QStringList protectedFiles = {
        u"AUTOEXEC.BAT"_s, u"backup-dat"_s, u"config.sys"_s, u"IO.DOS"_s,  u"lib.Dll"_s,
        u"notes.mini"_s,   u"run.com"_s,    u"setup.EXE"_s,  u"win.ini"_s, u"xexe"_s};
    for (const QString &name : kept + protectedFiles)
        QVERIFY(drives.makeFile(u"C:\\sys\\"_s + name));
    QVERIFY(drives.makeFile(u"C:\\sys\\.hidden.txt"_s));
    QVERIFY(drives.makeFolder(u"C:\\sys\\folder.txt"_s));

    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.File1.setPath(u"C:\\sys"_s);
    w.DisplayFiles();
    QCOMPARE(listedNames(w), kept);
    QVERIFY(w.curFile.has_value());

    // autoexec.bat in any letter case, wherever it is.
    QVERIFY(drives.makeFile(u"D:\\autoexec.bat"_s));
    QVERIFY(drives.makeFile(u"D:\\AutoExec.Bat"_s));
    QVERIFY(drives.makeFile(u"D:\\autoexec.bat.txt"_s));
    w.File1.setPath(u"D:\\"_s);
    w.DisplayFiles();
    QCOMPARE(listedNames(w), QStringList{u"autoexec.bat.txt"_s});
    QVERIFY(dialogs.boxes().isEmpty());
}

void DisplayFilesTest::columnWidthFollowsTheFileCount_data()
{
    QTest::addColumn<int>("listable");
    QTest::addColumn<int>("protectedCount");
    QTest::addColumn<int>("widthTwips");
    QTest::newRow("16 files") << 16 << 0 << 3275;
    QTest::newRow("17 files") << 17 << 0 << 3030;
    // Protected files count although the list does not show them.
    QTest::newRow("10 listed of 17") << 10 << 7 << 3030;
    QTest::newRow("none") << 0 << 0 << 3275;
}

void DisplayFilesTest::columnWidthFollowsTheFileCount()
{
    QFETCH(int, listable);
    QFETCH(int, protectedCount);
    QFETCH(int, widthTwips);
    TestDrives drives;
    QVERIFY(drives.makeFolder(u"C:\\w"_s));
    for (int i = 0; i < listable; ++i)
        QVERIFY(drives.makeFile(u"C:\\w\\file"_s + QString::number(i) + u".txt"_s));
    for (int i = 0; i < protectedCount; ++i)
        QVERIFY(drives.makeFile(u"C:\\w\\prog"_s + QString::number(i) + u".exe"_s));

    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.show();
    w.File1.setPath(u"C:\\w"_s);
    w.DisplayFiles();
    QCOMPARE(w.lsList->itemCount(), listable);
    QCOMPARE(w.nameColumnTwips(), widthTwips);
    QCOMPARE(w.lsList->columnWidth(0), twipsToPixels(widthTwips));
}

void DisplayFilesTest::progressCountsEveryFile()
{
    TestDrives drives;
    for (const QString &name : {u"a.txt"_s, u"b.ini"_s, u"c.txt"_s, u"d.dll"_s, u"e.txt"_s})
        QVERIFY(drives.makeFile(u"C:\\p\\"_s + name));

    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.File1.setPath(u"C:\\p"_s);
    QSignalSpy values(w.pbStatus, &ProgressMeter::valueSet);
    w.DisplayFiles();
    QList<int> seen;
    for (const QList<QVariant> &call : values)
        seen.append(call.at(0).toInt());
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5, 0}));
    QCOMPARE(w.pbStatus->Max(), 5);
    QCOMPARE(w.pbStatus->Value(), 0);
    QCOMPARE(listedNames(w), (QStringList{u"a.txt"_s, u"c.txt"_s, u"e.txt"_s}));
}

void DisplayFilesTest::emptyFolderKeepsTheBarMaximum()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\full\\a.txt"_s));
    QVERIFY(drives.makeFile(u"C:\\full\\b.txt"_s));
    QVERIFY(drives.makeFolder(u"C:\\empty"_s));

    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.File1.setPath(u"C:\\full"_s);
    w.DisplayFiles();
    QCOMPARE(w.pbStatus->Max(), 2);

    w.File1.setPath(u"C:\\empty"_s);
    w.DisplayFiles();
    QCOMPARE(w.lsList->itemCount(), 0);
    QCOMPARE(w.pbStatus->Max(), 2);
    QCOMPARE(w.pbStatus->Value(), 0);
    QCOMPARE(w.nameColumnTwips(), 3275);
}

void DisplayFilesTest::refillSelectsNothing()
{
    TestDrives drives;
    for (const QString &name : {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s})
        QVERIFY(drives.makeFile(u"C:\\s\\"_s + name));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.File1.setPath(u"C:\\s"_s);
    w.DisplayFiles();
    for (qsizetype i = 1; i <= 3; ++i)
        QVERIFY(!w.lsList->isItemSelected(i));
    w.lsList->setItemSelected(1, true);
    w.lsList->setItemSelected(3, true);
    QVERIFY(w.lsList->isItemSelected(1) && w.lsList->isItemSelected(3));

    w.DisplayFiles();
    QCOMPARE(w.lsList->itemCount(), 3);
    for (qsizetype i = 1; i <= 3; ++i)
        QVERIFY(!w.lsList->isItemSelected(i));
}

void DisplayFilesTest::folderPathEndsInSeparator()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\root.txt"_s));
    QVERIFY(drives.makeFile(u"C:\\deep\\er\\x.txt"_s));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);

    w.File1.setPath(u"C:\\"_s);
    w.DisplayFiles();
    QCOMPARE(w.curPath, u"C:\\"_s);
    QCOMPARE(listedNames(w), QStringList{u"root.txt"_s});

    w.File1.setPath(u"C:\\deep\\er"_s);
    w.DisplayFiles();
    QCOMPARE(w.curPath, u"C:\\deep\\er\\"_s);
    QCOMPARE(listedNames(w), QStringList{u"x.txt"_s});
}

void DisplayFilesTest::listsMoreFilesThanSixteenBitsCount()
{
    TestDrives drives;
    QVERIFY(drives.makeFolder(u"C:\\many"_s));
    const int count = 33000;
    QVERIFY(drives.makeEmptyFiles(u"C:\\many"_s, count, "img", ".jpg"));
    QVERIFY(drives.makeFile(u"C:\\many\\setup.exe"_s));

    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.File1.setPath(u"C:\\many"_s);
    w.DisplayFiles();
    QCOMPARE(w.lsList->itemCount(), count);
    QCOMPARE(w.lsList->itemText(1), u"img0.jpg"_s);
    QCOMPARE(w.lsList->itemText(count), u"img"_s + QString::number(count - 1) + u".jpg"_s);
    QCOMPARE(w.pbStatus->Max(), count + 1);
    QCOMPARE(w.pbStatus->Value(), 0);
}

QTEST_MAIN(DisplayFilesTest)
#include "tst_displayfiles.moc"
