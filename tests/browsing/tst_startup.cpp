// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/NodeTree.h"
#include "support/WindowFixture.h"
#include "window/ReportList.h"

#include <QLineEdit>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

QStringList describeTree(const NodeTree &tree)
{
    QStringList rows;
    for (qsizetype i = 1; i <= tree.count(); ++i) {
        const TreeNode *node = tree.node(i);
        rows.append(node->Key() + u" | "_s + node->Text() + u" | "_s + node->Image());
    }
    return rows;
}

} // namespace

class StartUpTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fixedDrivesWithTheirFolders();
    void labelInProperCase();
    void withoutDriveC();
    void withoutAnyFixedDrive();
    void firstDriveWithoutFolders();
};

void StartUpTest::fixedDrivesWithTheirFolders()
{
    WindowFixture f; // A: removable, C: SYSTEM, D: no label, E: CD-ROM, F: network
    f.make({u"C:\\Music\\Jazz"_s, u"C:\\docs"_s, u"C:\\WINDOWS\\System32"_s, u"D:\\Photos"_s,
            u"A:\\stick"_s, u"E:\\disc"_s},
           {u"C:\\boot.txt"_s, u"C:\\io.sys"_s, u"C:\\Music\\song.mp3"_s});
    f.start();
    frmMain &w = f.window;

    // Each drive is followed by its own first-level folders; C's children got theirs too.
    QCOMPARE(describeTree(*w.DirTree), (QStringList{
                                           u"root67 | System (C:) | fixed"_s,
                                           u"C:\\\\docs | docs | folder"_s,
                                           u"C:\\\\Music | Music | folder"_s,
                                           u"C:\\\\WINDOWS | WINDOWS | folder"_s,
                                           u"root68 |  (D:) | fixed"_s,
                                           u"D:\\\\Photos | Photos | folder"_s,
                                           u"C:\\Music\\Jazz | Jazz | folder"_s,
                                           u"C:\\WINDOWS\\System32 | System32 | folder"_s,
                                       }));
    QCOMPARE(w.DirTree->topLevelItemCount(), 2);
    QCOMPARE(w.DirTree->node(2)->ExpandedImage(), u"open"_s);
    QCOMPARE(w.DirTree->node(1)->ExpandedImage(), QString());

    TreeNode *first = w.DirTree->node(1);
    QVERIFY(first->Expanded());
    QVERIFY(first->Selected());
    QCOMPARE(w.DirTree->SelectedItem(), first);
    QVERIFY(!w.DirTree->node(u"root68"_s)->Expanded());
    QCOMPARE(w.renameOption, 1);
    QCOMPARE(w.WinPath, u"C:\\WINDOWS"_s);
    QVERIFY(!w.Expanding);
    QCOMPARE(w.File1.Path(), u"C:\\"_s);
    QCOMPARE(w.curPath, u"C:\\"_s);
    QCOMPARE(f.listed(), QStringList{u"boot.txt"_s});
    QVERIFY(!w.windowIcon().isNull());
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void StartUpTest::labelInProperCase()
{
    WindowFixture f(
        {{u'C', DriveType::Fixed, u"WORK data"_s}, {u'D', DriveType::Fixed, u"mY dISK: 2"_s}});
    frmMain &w = f.window;
    w.Form_Load();
    QCOMPARE(w.DirTree->node(u"root67"_s)->Text(), u"Work Data (C:)"_s);
    QCOMPARE(w.DirTree->node(u"root68"_s)->Text(), u"My Disk 2 (D:)"_s);
}

void StartUpTest::withoutDriveC()
{
    WindowFixture f({{u'D', DriveType::Fixed, u"DATA"_s}, {u'E', DriveType::Fixed, {}}});
    f.make({u"D:\\Photos"_s}, {u"D:\\readme.txt"_s});
    frmMain &w = f.window;
    w.Form_Load();
    QCOMPARE(w.DirTree->node(1)->Text(), u"Data (D:)"_s);
    QVERIFY(w.DirTree->node(1)->Expanded());
    QCOMPARE(w.File1.Path(), u"D:\\"_s);
    QCOMPARE(f.listed(), QStringList{u"readme.txt"_s});
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void StartUpTest::withoutAnyFixedDrive()
{
    WindowFixture f({{u'A', DriveType::Removable, {}}, {u'E', DriveType::CdRom, {}}});
    f.start();
    frmMain &w = f.window;
    QCOMPARE(w.DirTree->count(), 0);
    QCOMPARE(w.lsList->itemCount(), 0);
    QCOMPARE(w.renameOption, 1);

    // The rename command finds nothing to do.
    w.Text1->setText(u"x"_s);
    w.cmdRename_Click();
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void StartUpTest::firstDriveWithoutFolders()
{
    WindowFixture f({{u'C', DriveType::Fixed, {}}});
    f.make({}, {u"C:\\only.txt"_s});
    frmMain &w = f.window;
    w.Form_Load();
    QCOMPARE(w.DirTree->count(), 1);
    QCOMPARE(w.DirTree->SelectedItem(), w.DirTree->node(1));
    QCOMPARE(w.File1.Path(), u"C:\\"_s);
    QCOMPARE(f.listed(), QStringList{u"only.txt"_s});
    QVERIFY(!w.Expanding);
}

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
