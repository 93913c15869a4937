// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <numeric>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

void releaseOverList(const WindowControls &c, Qt::MouseButton button)
{
    QTest::mouseClick(c.lsList->viewport(), button, {}, QPoint(20, 60));
}

} // namespace

class ListHandlersTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void columnWidthAndBarFollowTheFileCount_data();
    void columnWidthAndBarFollowTheFileCount();
    void refillSelectsNothing();
    void rightButtonOpensTheMenu();
    void menuItemsActOnTheSelection_data();
    void menuItemsActOnTheSelection();
    void keyboardOpensTheMenuAtTheCurrentItem();
    void keysMoveAndSelectByRows_data();
    void keysMoveAndSelectByRows();
    void cutOffNameShowsWholeInItsToolTip();
    void fromStartUpToRenamedFiles();
};

void ListHandlersTest::columnWidthAndBarFollowTheFileCount_data()
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

void ListHandlersTest::columnWidthAndBarFollowTheFileCount()
{
    QFETCH(int, listable);
    QFETCH(int, protectedCount);
    QFETCH(int, widthTwips);
    WindowFixture f;
    // A folder before whose fill the list must not keep: the other column width and maximum.
    f.make({u"C:\\before"_s, u"C:\\w"_s});
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\before"_s, 20, "b", ".txt"));
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\w"_s, listable, "file", ".txt"));
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\w"_s, protectedCount, "prog", ".exe"));
    f.showFolder(u"C:\\before"_s);
    f.showFolder(u"C:\\w"_s);
    QCOMPARE(f.ui.lsList->itemCount(), listable);
    QCOMPARE(f.window.nameColumnTwips(), widthTwips);
    QCOMPARE(f.ui.lsList->columnWidth(0), twipsToPixels(widthTwips));
    // An empty folder leaves the bar's maximum as the folder before set it.
    const int files = listable + protectedCount;
    QCOMPARE(f.ui.pbStatus->Max(), files > 0 ? files : 20);
    QCOMPARE(f.ui.pbStatus->bar()->maximum(), f.ui.pbStatus->Max());
    QCOMPARE(f.ui.pbStatus->Value(), 0);
}

void ListHandlersTest::refillSelectsNothing()
{
    WindowFixture f;
    f.makeFiles(u"C:\\s"_s, {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    f.showFolder(u"C:\\s"_s);
    QVERIFY(f.ui.lsList->selectedPositions().empty());
    f.select({u"a.txt"_s, u"c.txt"_s});
    QCOMPARE(f.ui.lsList->selectedPositions(), (std::vector<qsizetype>{1, 3}));

    f.click(f.node(u"C:\\\\s"_s));
    QCOMPARE(f.ui.lsList->itemCount(), 3);
    QVERIFY(f.ui.lsList->selectedPositions().empty());
}

void ListHandlersTest::rightButtonOpensTheMenu()
{
    WindowFixture f;
    f.start(); // an empty list: Select All finds nothing to select
    releaseOverList(f.ui, Qt::LeftButton);
    releaseOverList(f.ui, Qt::MiddleButton);
    QCOMPARE(f.dialogs.menusShown(), 0);

    f.dialogs.expectMenu(u"Select &All"_s);
    releaseOverList(f.ui, Qt::RightButton);
    QCOMPARE(f.dialogs.menusShown(), 1);
    QVERIFY(f.ui.lsList->selectedPositions().empty());
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void ListHandlersTest::menuItemsActOnTheSelection_data()
{
    QTest::addColumn<QString>("item"); // empty: the menu is closed unchosen
    QTest::addColumn<QStringList>("renamed");
    QTest::newRow("Select All") << u"Select &All"_s
                                << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    QTest::newRow("Deselect All") << u"&Deselect All"_s << QStringList();
    QTest::newRow("closed") << QString() << QStringList{u"b.txt"_s};
}

void ListHandlersTest::menuItemsActOnTheSelection()
{
    QFETCH(QString, item);
    QFETCH(QStringList, renamed);
    WindowFixture f;
    const QStringList names = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    f.makeFiles(u"C:"_s, names);
    f.start();
    f.select({u"b.txt"_s});
    f.dialogs.expectMenu(item);
    f.window.lsList_MouseUp(2, 0, 0, 0);
    QCOMPARE(f.ui.lsList->selectedTexts(), renamed);

    // The rename command works on what the menu left selected; with nothing, it says nothing.
    if (!renamed.isEmpty()) {
        f.expectConfirmation(MsgBoxAnswer::Yes);
        f.expectSuccess();
    }
    f.ui.Text1->setText(u"x-"_s);
    f.ui.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    QStringList expected;
    for (const QString &name : names)
        expected.append(renamed.contains(name) ? u"x-"_s + name : name);
    expected.sort();
    QCOMPARE(f.drives.entriesOf(u"C:\\"_s), expected);
}

void ListHandlersTest::keyboardOpensTheMenuAtTheCurrentItem()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    f.start();
    ReportList *list = f.ui.lsList;
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

void ListHandlersTest::keysMoveAndSelectByRows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    for (const bool shift : {false, true}) {
        for (const Qt::Key key : {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End})
            QTest::addRow("%s%s", shift ? "Shift+" : "", qPrintable(QKeySequence(key).toString()))
                << int(key) << shift;
    }
}

void ListHandlersTest::keysMoveAndSelectByRows()
{
    QFETCH(int, key);
    QFETCH(bool, shift);
    WindowFixture f;
    const int files = 100, from = 50;
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\"_s, files, "f", ".txt"));
    f.start();
    ReportList *list = f.ui.lsList;
    list->setCurrentIndex(list->model()->index(from - 1, 0));
    QTest::keyClick(list, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    // Home and End go to the first and the last file; the page keys a page of files up or down.
    const int at = list->currentIndex().row() + 1;
    const bool up = key == Qt::Key_Home || key == Qt::Key_PageUp;
    QVERIFY2(key == Qt::Key_Home || key == Qt::Key_End
                 ? at == (up ? 1 : files)
                 : (up ? at > 1 && at < from : at > from && at < files),
             qPrintable(QString::number(at)));
    // Shift selects the files from where the cursor was; without it, the one it came to.
    std::vector<qsizetype> selected(std::size_t(shift ? std::abs(at - from) + 1 : 1));
    std::iota(selected.begin(), selected.end(), shift ? std::min(at, from) : at);
    QCOMPARE(list->selectedPositions(), selected);
}

void ListHandlersTest::cutOffNameShowsWholeInItsToolTip()
{
    WindowFixture f;
    const QString longName = QString(80, u'n') + u".txt"_s;
    f.makeFiles(u"C:"_s, {u"a.txt"_s, longName});
    f.start();
    const ReportList *list = f.ui.lsList;
    for (const int row : {0, 1}) {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list->viewport(), &help);
        QCOMPARE(QToolTip::text(), row == 0 ? QString() : longName);
    }
}

void ListHandlersTest::fromStartUpToRenamedFiles()
{
    WindowFixture f;
    f.makeFiles(u"D:"_s, {u"on-d.txt"_s});
    f.makeFiles(u"D:\\Photos\\2024"_s,
                {u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"IMG_10.jpg"_s, u"thumbs.db"_s, u"setup.exe"_s});
    f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    // As the user goes: Right on the current node, or a click on a node's row.
    NodeTree *tree = f.ui.DirTree;
    const auto go = [&](const QString &key, bool expand) {
        tree->setSelectedItem(f.node(key));
        if (expand)
            return QTest::keyClick(tree, Qt::Key_Right);
        tree->scrollToItem(tree->currentItem());
        const QPoint row = tree->visualItemRect(tree->currentItem()).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, row);
    };
    go(u"root68"_s, false);
    QCOMPARE(f.listed(), QStringList{u"on-d.txt"_s});
    go(u"root68"_s, true);
    go(u"D:\\\\Photos"_s, true);
    go(u"D:\\Photos\\2024"_s, false);
    QCOMPARE(f.listed(),
             (QStringList{u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"IMG_10.jpg"_s, u"thumbs.db"_s}));

    f.dialogs.expectMenu(u"Select &All"_s);
    releaseOverList(f.ui, Qt::RightButton);
    f.ui.optAttachEnd->click();
    f.ui.Text1->setText(u" (Rome)"_s);
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    QTest::mouseClick(f.ui.cmdRename, Qt::LeftButton);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.drives.entriesOf(u"D:\\Photos\\2024"_s),
             (QStringList{u"IMG_1 (Rome).jpg"_s, u"IMG_10 (Rome).jpg"_s, u"IMG_2 (Rome).jpg"_s,
                          u"setup.exe"_s, u"thumbs (Rome).db"_s}));
    QCOMPARE(f.ui.lsList->itemText(1), u"IMG_1 (Rome).jpg"_s);
    QVERIFY(f.ui.Text1->text().isEmpty());
}

QTEST_MAIN(ListHandlersTest)
#include "tst_listhandlers.moc"
