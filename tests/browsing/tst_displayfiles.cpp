// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QSignalSpy>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

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
    WindowFixture f;
    const QStringList kept = {u"a.exe2"_s, u"data"_s, u"notes.txt"_s, u"report.docx"_s};
    const QStringList protectedFiles = {
        u"AUTOEXEC.BAT"_s, u"backup-dat"_s, u"config.sys"_s, u"IO.DOS"_s,  u"lib.Dll"_s,
        u"notes.mini"_s,   u"run.com"_s,    u"setup.EXE"_s,  u"win.ini"_s, u"xexe"_s};
    f.makeFiles(u"C:\\sys"_s, kept + protectedFiles + QStringList{u".hidden.txt"_s});
    f.make({u"C:\\sys\\folder.txt"_s});
    f.showFolder(u"C:\\sys"_s);
    QCOMPARE(f.listed(), kept);
    QVERIFY(f.window.curFile.has_value());

    // autoexec.bat in any letter case, wherever it is.
    f.makeFiles(u"D:"_s, {u"autoexec.bat"_s, u"AutoExec.Bat"_s, u"autoexec.bat.txt"_s});
    f.showFolder(u"D:\\"_s);
    QCOMPARE(f.listed(), QStringList{u"autoexec.bat.txt"_s});
    QVERIFY(f.dialogs.boxes().isEmpty());
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
    WindowFixture f;
    QVERIFY(f.drives.makeFolder(u"C:\\w"_s));
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\w"_s, listable, "file", ".txt"));
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\w"_s, protectedCount, "prog", ".exe"));
    f.window.show();
    f.showFolder(u"C:\\w"_s);
    QCOMPARE(f.window.lsList->itemCount(), listable);
    QCOMPARE(f.window.nameColumnTwips(), widthTwips);
    QCOMPARE(f.window.lsList->columnWidth(0), twipsToPixels(widthTwips));
}

void DisplayFilesTest::progressCountsEveryFile()
{
    WindowFixture f;
    f.makeFiles(u"C:\\p"_s, {u"a.txt"_s, u"b.ini"_s, u"c.txt"_s, u"d.dll"_s, u"e.txt"_s});
    QSignalSpy values(f.window.pbStatus, &ProgressMeter::valueSet);
    f.showFolder(u"C:\\p"_s);
    QCOMPARE(valuesSeen(values), (QList<int>{1, 2, 3, 4, 5, 0}));
    QCOMPARE(f.window.pbStatus->Max(), 5);
    QCOMPARE(f.window.pbStatus->Value(), 0);
    QCOMPARE(f.listed(), (QStringList{u"a.txt"_s, u"c.txt"_s, u"e.txt"_s}));
}

void DisplayFilesTest::emptyFolderKeepsTheBarMaximum()
{
    WindowFixture f;
    f.makeFiles(u"C:\\full"_s, {u"a.txt"_s, u"b.txt"_s});
    f.make({u"C:\\empty"_s});
    f.showFolder(u"C:\\full"_s);
    QCOMPARE(f.window.pbStatus->Max(), 2);

    f.showFolder(u"C:\\empty"_s);
    QCOMPARE(f.window.lsList->itemCount(), 0);
    QCOMPARE(f.window.pbStatus->Max(), 2);
    QCOMPARE(f.window.pbStatus->Value(), 0);
    QCOMPARE(f.window.nameColumnTwips(), 3275);
}

void DisplayFilesTest::refillSelectsNothing()
{
    WindowFixture f;
    f.makeFiles(u"C:\\s"_s, {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    f.showFolder(u"C:\\s"_s);
    ReportList *list = f.window.lsList;
    for (qsizetype i = 1; i <= 3; ++i)
        QVERIFY(!list->isItemSelected(i));
    f.select({u"a.txt"_s, u"c.txt"_s});
    QVERIFY(list->isItemSelected(1) && list->isItemSelected(3));

    f.window.DisplayFiles();
    QCOMPARE(list->itemCount(), 3);
    for (qsizetype i = 1; i <= 3; ++i)
        QVERIFY(!list->isItemSelected(i));
}

void DisplayFilesTest::folderPathEndsInSeparator()
{
    WindowFixture f;
    f.make({}, {u"C:\\root.txt"_s, u"C:\\deep\\er\\x.txt"_s});
    f.showFolder(u"C:\\"_s);
    QCOMPARE(f.window.curPath, u"C:\\"_s);
    QCOMPARE(f.listed(), QStringList{u"root.txt"_s});

    f.showFolder(u"C:\\deep\\er"_s);
    QCOMPARE(f.window.curPath, u"C:\\deep\\er\\"_s);
    QCOMPARE(f.listed(), QStringList{u"x.txt"_s});
}

void DisplayFilesTest::listsMoreFilesThanSixteenBitsCount()
{
    WindowFixture f;
    const int count = 33000;
    f.makeFiles(u"C:\\many"_s, {u"setup.exe"_s});
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\many"_s, count, "img", ".jpg"));
    f.showFolder(u"C:\\many"_s);
    QCOMPARE(f.window.lsList->itemCount(), count);
    QCOMPARE(f.window.lsList->itemText(1), u"img0.jpg"_s);
    QCOMPARE(f.window.lsList->itemText(count), u"img"_s + QString::number(count - 1) + u".jpg"_s);
    QCOMPARE(f.window.pbStatus->Max(), count + 1);
    QCOMPARE(f.window.pbStatus->Value(), 0);
}

QTEST_MAIN(DisplayFilesTest)
#include "tst_displayfiles.moc"
