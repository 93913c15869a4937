#include "browsing/NodeTree.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDrives.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

QStringList filesIn(const TestDrives &drives, const QString &folder)
{
    return QDir(drives.native(folder)).entryList(QDir::Files, QDir::Name);
}

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
    void fromStartUpToRenamedFiles();
};

void ListMenuTest::rightButtonOpensTheMenu()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\a.txt"_s));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.Form_Load();
    w.show();

    releaseOverList(w, Qt::LeftButton);
    releaseOverList(w, Qt::MiddleButton);
    QCOMPARE(dialogs.menusShown(), 0);

    dialogs.expectMenu(u"Select &All"_s);
    releaseOverList(w, Qt::RightButton);
    QCOMPARE(dialogs.menusShown(), 1);
    QVERIFY(dialogs.allAnswered());
}

void ListMenuTest::selectAllThenRenameRenamesEveryFile()
{
    TestDrives drives;
    const QStringList names = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s, u"d.txt"_s};
    for (const QString &name : names)
        QVERIFY(drives.makeFile(u"C:\\"_s + name));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.Form_Load();
    w.show();

    dialogs.expectMenu(u"Select &All"_s);
    w.lsList_MouseUp(2, 0, 0, 0);
    QCOMPARE(w.lsList->selectedPositions(), (std::vector<qsizetype>{1, 2, 3, 4}));

    dialogs.expectBox(YesNo, u"Renaming Files..."_s, MsgBoxAnswer::Yes);
    dialogs.expectBox(OkOnly, u"Brindlewick - Success"_s, MsgBoxAnswer::Ok);
    w.Text1->setText(u"all-"_s);
    w.cmdRename->click();
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(filesIn(drives, u"C:\\"_s),
             (QStringList{u"all-a.txt"_s, u"all-b.txt"_s, u"all-c.txt"_s, u"all-d.txt"_s}));
}

void ListMenuTest::deselectAllLeavesNothingToRename()
{
    TestDrives drives;
    QVERIFY(drives.makeFile(u"C:\\a.txt"_s));
    QVERIFY(drives.makeFile(u"C:\\b.txt"_s));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.Form_Load();
    w.show();

    w.lsList->setItemSelected(2, true);
    dialogs.expectMenu(u"&Deselect All"_s);
    w.lsList_MouseUp(2, 0, 0, 0);
    QVERIFY(w.lsList->selectedPositions().empty());
    w.Text1->setText(u"x"_s);
    w.cmdRename->click();
    QVERIFY(dialogs.boxes().isEmpty());
    QCOMPARE(filesIn(drives, u"C:\\"_s), (QStringList{u"a.txt"_s, u"b.txt"_s}));
}

void ListMenuTest::closingTheMenuChangesNothing()
{
    TestDrives drives;
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.Form_Load();
    dialogs.expectMenu(u"Select &All"_s); // on an empty list
    w.lsList_MouseUp(2, 0, 0, 0);
    QVERIFY(w.lsList->selectedPositions().empty());

    QVERIFY(drives.makeFile(u"C:\\a.txt"_s));
    QVERIFY(drives.makeFile(u"C:\\b.txt"_s));
    w.File1.Refresh();
    w.DisplayFiles();
    w.lsList->setItemSelected(2, true);
    dialogs.expectMenu(QString());
    w.lsList_MouseUp(2, 0, 0, 0);
    QCOMPARE(w.lsList->selectedPositions(), std::vector<qsizetype>{2});
    QVERIFY(dialogs.boxes().isEmpty());
}

void ListMenuTest::fromStartUpToRenamedFiles()
{
    TestDrives drives;
    for (const QString &name : {u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"IMG_10.jpg"_s})
        QVERIFY(drives.makeFile(u"D:\\Photos\\2024\\"_s + name, name.toUtf8()));
    QVERIFY(drives.makeFile(u"D:\\Photos\\2024\\thumbs.db"_s));
    QVERIFY(drives.makeFile(u"D:\\Photos\\2024\\setup.exe"_s));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.Form_Load();
    w.show();
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

    dialogs.expectMenu(u"Select &All"_s);
    releaseOverList(w, Qt::RightButton);
    w.optAttachEnd->click();
    w.Text1->setText(u" (Rome)"_s);
    dialogs.expectBox(YesNo, u"Renaming Files..."_s, MsgBoxAnswer::Yes,
                      u"Warning:  There is no undo!\r\n\r\nRenamed Files:\r\n"
                      "    IMG_1 (Rome).jpg\r\n    IMG_2 (Rome).jpg\r\n    IMG_10 (Rome).jpg\r\n"
                      "        (etcetera)\r\n\r\nDo you wish to continue?"_s);
    dialogs.expectBox(OkOnly, u"Brindlewick - Success"_s, MsgBoxAnswer::Ok);
    QTest::mouseClick(w.cmdRename, Qt::LeftButton);
    QVERIFY(dialogs.allAnswered());

    QCOMPARE(filesIn(drives, u"D:\\Photos\\2024"_s),
             (QStringList{u"IMG_1 (Rome).jpg"_s, u"IMG_10 (Rome).jpg"_s, u"IMG_2 (Rome).jpg"_s,
                          u"setup.exe"_s, u"thumbs (Rome).db"_s}));
    QCOMPARE(drives.contentOf(u"D:\\Photos\\2024\\IMG_10 (Rome).jpg"_s), "IMG_10.jpg"_ba);
    QCOMPARE(w.lsList->itemText(1), u"IMG_1 (Rome).jpg"_s);
    QVERIFY(w.Text1->text().isEmpty());
}

QTEST_MAIN(ListMenuTest)
#include "tst_listmenu.moc"
