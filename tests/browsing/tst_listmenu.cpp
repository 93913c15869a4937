// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/NodeTree.h"
#include "support/WindowFixture.h"
#include "window/ReportList.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

void releaseOverList(frmMain &w, Qt::MouseButton button)
{
    QTest::mouseClick(w.lsList->viewport(), button, {}, QPoint(20, 60));
}

} // namespace

class ListMenuTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rightButtonOpensTheMenu();
    void selectAllThenRenameRenamesEveryFile();
    void deselectAllLeavesNothingToRename();
    void closingTheMenuChangesNothing();
    void keyboardOpensTheMenuAtTheCurrentItem();
    void fromStartUpToRenamedFiles();
};

void ListMenuTest::rightButtonOpensTheMenu()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s});
    f.start();
    frmMain &w = f.window;

    releaseOverList(w, Qt::LeftButton);
    releaseOverList(w, Qt::MiddleButton);
    QCOMPARE(f.dialogs.menusShown(), 0);

    f.dialogs.expectMenu(u"Select &All"_s);
    releaseOverList(w, Qt::RightButton);
    QCOMPARE(f.dialogs.menusShown(), 1);
    QVERIFY(f.dialogs.allAnswered());
}

void ListMenuTest::selectAllThenRenameRenamesEveryFile()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s, u"d.txt"_s});
    f.start();
    frmMain &w = f.window;

    f.dialogs.expectMenu(u"Select &All"_s);
    w.lsList_MouseUp(2, 0, 0, 0);
    QCOMPARE(w.lsList->selectedPositions(), (std::vector<qsizetype>{1, 2, 3, 4}));

    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    w.Text1->setText(u"all-"_s);
    w.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.drives.entriesOf(u"C:\\"_s),
             (QStringList{u"all-a.txt"_s, u"all-b.txt"_s, u"all-c.txt"_s, u"all-d.txt"_s}));
}

void ListMenuTest::deselectAllLeavesNothingToRename()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s, u"b.txt"_s});
    f.start();
    frmMain &w = f.window;

    w.lsList->setItemSelected(2, true);
    f.dialogs.expectMenu(u"&Deselect All"_s);
    w.lsList_MouseUp(2, 0, 0, 0);
    QVERIFY(w.lsList->selectedPositions().empty());
    w.Text1->setText(u"x"_s);
    w.cmdRename->click();
    QVERIFY(f.dialogs.boxes().isEmpty());
    QCOMPARE(f.drives.entriesOf(u"C:\\"_s), (QStringList{u"a.txt"_s, u"b.txt"_s}));
}

void ListMenuTest::closingTheMenuChangesNothing()
{
    WindowFixture f;
    frmMain &w = f.window;
    w.Form_Load();
    f.dialogs.expectMenu(u"Select &All"_s); // on an empty list
    w.lsList_MouseUp(2, 0, 0, 0);
    QVERIFY(w.lsList->selectedPositions().empty());

    f.makeFiles(u"C:"_s, {u"a.txt"_s, u"b.txt"_s});
    w.File1.Refresh();
    w.DisplayFiles();
    w.lsList->setItemSelected(2, true);
    f.dialogs.expectMenu(QString());
    w.lsList_MouseUp(2, 0, 0, 0);
    QCOMPARE(w.lsList->selectedPositions(), std::vector<qsizetype>{2});
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void ListMenuTest::keyboardOpensTheMenuAtTheCurrentItem()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    f.start();
    ReportList *list = f.window.lsList;
    list->setCurrentIndex(list->model()->index(1, 0));
    const QPoint atCurrent =
        list->viewport()->mapToGlobal(list->visualRect(list->currentIndex()).bottomLeft());

    // The Menu key and Shift+F10 bring the same menu as the right button, by the current item.
    f.dialogs.expectMenu(u"&Deselect All"_s);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QCoreApplication::sendEvent(list, &menuKey);
    QCOMPARE(f.dialogs.lastMenuPoint(), atCurrent);
    QVERIFY(list->selectedPositions().empty());
    f.dialogs.expectMenu(u"Select &All"_s);
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(f.dialogs.menusShown(), 2);
    QCOMPARE(f.dialogs.lastMenuPoint(), atCurrent);
    QCOMPARE(list->selectedPositions(), (std::vector<qsizetype>{1, 2, 3}));

    // Ctrl+A selects every file as well.
    list->clearSelection();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list->selectedPositions(), (std::vector<qsizetype>{1, 2, 3}));
    QVERIFY(f.dialogs.allAnswered());
}

void ListMenuTest::fromStartUpToRenamedFiles()
{
    WindowFixture f;
    f.makeFiles(u"D:\\Photos\\2024"_s,
                {u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"IMG_10.jpg"_s, u"thumbs.db"_s, u"setup.exe"_s});
    f.start();
    frmMain &w = f.window;
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const auto clickNode = [&](const QString &key) {
        w.DirTree->setSelectedItem(w.DirTree->node(key)); // to find its row and show it
        QTreeWidgetItem *item = w.DirTree->currentItem();
        w.DirTree->scrollToItem(item);
        const QRect rect = w.DirTree->visualItemRect(item);
        QTest::mouseClick(w.DirTree->viewport(), Qt::LeftButton, {}, rect.center());
    };
    const auto expandNode = [&](const QString &key) {
        w.DirTree->setSelectedItem(w.DirTree->node(key));
        QTest::keyClick(w.DirTree, Qt::Key_Right);
    };

    clickNode(u"root68"_s);
    QCOMPARE(w.File1.Path(), u"D:\\"_s);
    expandNode(u"root68"_s);
    expandNode(u"D:\\\\Photos"_s);
    clickNode(u"D:\\Photos\\2024"_s);
    QCOMPARE(w.File1.Path(), u"D:\\Photos\\2024"_s);
    QCOMPARE(w.lsList->itemCount(), 4); // setup.exe is kept out

    f.dialogs.expectMenu(u"Select &All"_s);
    releaseOverList(w, Qt::RightButton);
    w.optAttachEnd->click();
    w.Text1->setText(u" (Rome)"_s);
    f.expectConfirmation(MsgBoxAnswer::Yes,
                         u"Warning:  There is no undo!\r\n\r\nRenamed Files:\r\n"
                         "    IMG_1 (Rome).jpg\r\n    IMG_2 (Rome).jpg\r\n    IMG_10 (Rome).jpg\r\n"
                         "        (etcetera)\r\n\r\nDo you wish to continue?"_s);
    f.expectSuccess();
    QTest::mouseClick(w.cmdRename, Qt::LeftButton);
    QVERIFY(f.dialogs.allAnswered());

    QCOMPARE(f.drives.entriesOf(u"D:\\Photos\\2024"_s),
             (QStringList{u"IMG_1 (Rome).jpg"_s, u"IMG_10 (Rome).jpg"_s, u"IMG_2 (Rome).jpg"_s,
                          u"setup.exe"_s, u"thumbs (Rome).db"_s}));
    QCOMPARE(f.drives.contentOf(u"D:\\Photos\\2024\\IMG_10 (Rome).jpg"_s), "was IMG_10.jpg"_ba);
    QCOMPARE(w.lsList->itemText(1), u"IMG_1 (Rome).jpg"_s);
    QVERIFY(w.Text1->text().isEmpty());
}

QTEST_MAIN(ListMenuTest)
#include "tst_listmenu.moc"
