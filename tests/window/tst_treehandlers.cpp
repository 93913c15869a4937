// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/StoppableMount.h"
#include "support/WindowFixture.h"
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

// The window started on drives with this layout of folders.
struct Started : WindowFixture {
    explicit Started(const QStringList &folders, const QStringList &files = {})
    {
        make(folders, files);
        start();
    }
};

QStringList describeTree(const NodeTree &tree)
{
    QStringList rows;
    for (qsizetype i = 1; i <= tree.count(); ++i)
        rows.append(tree.node(i)->Key() + u" | "_s + tree.node(i)->Text() + u" | "_s +
                    tree.node(i)->Image());
    return rows;
}

enum class Way { Click, ClickWithOtherSelected, Expand, RightKey, StarKey };

} // namespace

Q_DECLARE_METATYPE(std::vector<brindlewick::test::TestDrive>)
Q_DECLARE_METATYPE(Way)

class TreeHandlersTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startUp_data();
    void startUp();
    void expansionLoadsOneLevelAhead();
    void expandingCollapsingAndKeys();
    void refusal_data();
    void refusal();
    void treeShowsWholeNamesAndWhereTheyAre();
    void linksBackAreListedButNeverOpened();
    void clickShowsTheFolderAndLoadsItsSubfoldersOnce();
    void unopenableFolderShowsNoFiles_data();
    void unopenableFolderShowsNoFiles();
    void openImageFollowsTheCurrentFolder();
    void countsBeyondSixteenBits();
    void keysInTheTree_data();
    void keysInTheTree();
    void stoppedFileSystemFailsAsUnreadable();
};

void TreeHandlersTest::startUp_data()
{
    QTest::addColumn<std::vector<TestDrive>>("layout");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("listed");
    // Each drive is followed by its own first-level folders; the first drive's children got
    // theirs too, the system folder's without a word.
    QTest::newRow("fixed drives with their folders")
        << TestDrives::standardLayout()
        << QStringList{u"C:\\boot.txt"_s,
                       u"C:\\io.sys"_s,
                       u"C:\\Music\\Jazz\\j.mp3"_s,
                       u"C:\\docs\\d.txt"_s,
                       u"C:\\WINDOWS\\System32\\s.txt"_s,
                       u"D:\\Photos\\p.jpg"_s}
        << QStringList{u"root67 | System (C:) | fixed"_s,
                       u"C:\\\\docs | docs | folder"_s,
                       u"C:\\\\Music | Music | folder"_s,
                       u"C:\\\\WINDOWS | WINDOWS | folder"_s,
                       u"root68 |  (D:) | fixed"_s,
                       u"D:\\\\Photos | Photos | folder"_s,
                       u"C:\\Music\\Jazz | Jazz | folder"_s,
                       u"C:\\WINDOWS\\System32 | System32 | folder"_s}
        << QStringList{u"boot.txt"_s};
    QTest::newRow("without C:") << std::vector<TestDrive>{{u'D', DriveType::Fixed, u"DATA"_s},
                                                          {u'E', DriveType::Fixed, {}}}
                                << QStringList{u"D:\\readme.txt"_s, u"D:\\Photos\\p.jpg"_s}
                                << QStringList{u"root68 | Data (D:) | fixed"_s,
                                               u"D:\\\\Photos | Photos | folder"_s,
                                               u"root69 |  (E:) | fixed"_s}
                                << QStringList{u"readme.txt"_s};
    QTest::newRow("without any fixed drive")
        << std::vector<TestDrive>{{u'A', DriveType::Removable, {}}, {u'E', DriveType::CdRom, {}}}
        << QStringList{u"A:\\a.txt"_s} << QStringList() << QStringList();
    QTest::newRow("first drive without folders")
        << std::vector<TestDrive>{{u'C', DriveType::Fixed, {}}} << QStringList{u"C:\\only.txt"_s}
        << QStringList{u"root67 |  (C:) | fixed"_s} << QStringList{u"only.txt"_s};
}

void TreeHandlersTest::startUp()
{
    QFETCH(std::vector<TestDrive>, layout);
    QFETCH(QStringList, files);
    QFETCH(QStringList, tree);
    QFETCH(QStringList, listed);
    WindowFixture f(layout);
    f.make({}, files);
    f.start();
    const NodeTree &t = *f.ui.DirTree;
    QCOMPARE(describeTree(t), tree);
    for (qsizetype i = 1; i <= t.count(); ++i)
        QCOMPARE(t.node(i)->ExpandedImage(), t.node(i)->Parent() ? u"open"_s : QString());
    // The first drive is opened and selected, no other.
    QCOMPARE(t.topLevelItemCount(), tree.filter(u"root"_s).size());
    for (int i = 0; i < t.topLevelItemCount(); ++i)
        QCOMPARE(t.topLevelItem(i)->isExpanded(), i == 0);
    QCOMPARE(t.SelectedItem(), t.node(1));
    QCOMPARE(f.listed(), listed);
    QVERIFY(!f.window.windowIcon().isNull());
    // With nothing selected, or nothing at all, the rename command finds nothing to do.
    f.ui.Text1->setText(u"x"_s);
    f.window.cmdRename_Click();
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void TreeHandlersTest::expansionLoadsOneLevelAhead()
{
    // Files in the children but none in P: a refill of the list for a child during the walk
    // would show its files, and leave the bar's maximum at their number.
    Started f({u"C:\\P\\a\\a1"_s, u"C:\\P\\b\\b1"_s, u"C:\\P\\b\\b2"_s},
              {u"C:\\elsewhere.txt"_s, u"C:\\P\\a\\in-a.txt"_s, u"C:\\P\\b\\in-b.txt"_s,
               u"C:\\P\\c\\in-c.txt"_s});
    TreeNode *p = f.node(u"C:\\\\P"_s);
    QCOMPARE(p->Children(), 3); // loaded during start-up's look-ahead
    QCOMPARE(f.node(u"C:\\P\\a"_s)->Children(), 0);
    // The window takes the events that wait, the paints among them, while it walks; a press
    // of "Rename Files" that is no input (a screen reader's, a timer's) starts nothing.
    f.select({u"elsewhere.txt"_s});
    f.ui.Text1->setText(u"x"_s);
    bool handledWhileWalking = false;
    connect(f.ui.pbStatus, &ProgressMeter::valueSet, &f.window, [&] {
        QTimer::singleShot(0, &f.window, [&] {
            handledWhileWalking |= f.window.isBusy();
            f.ui.cmdRename->click();
        });
    });
    p->setExpanded(true);
    QVERIFY(handledWhileWalking);
    QCOMPARE(f.node(u"C:\\P\\a"_s)->Children(), 1);
    QCOMPARE(f.node(u"C:\\P\\b"_s)->Children(), 2);
    QCOMPARE(f.ui.pbStatus->Max(), f.node(u"C:\\P\\c"_s)->Index());
    QCOMPARE(f.ui.pbStatus->Value(), 0);
    QCOMPARE(f.ui.DirTree->SelectedItem(), p);
    QCOMPARE(f.listed(), QStringList());
    QVERIFY(!f.window.isBusy());
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void TreeHandlersTest::expandingCollapsingAndKeys()
{
    Started f({u"C:\\a\\b\\c\\d"_s, u"C:\\a\\e"_s},
              {u"C:\\a\\in-a.txt"_s, u"C:\\empty\\in-empty.txt"_s, u"C:\\z\\in-z.txt"_s});
    TreeNode *empty = f.node(u"C:\\\\empty"_s);
    empty->setExpanded(true);
    QCOMPARE(f.ui.DirTree->SelectedItem(), empty);
    QCOMPARE(f.listed(), QStringList{u"in-empty.txt"_s});
    QVERIFY(!f.window.isBusy());

    // "*" and "+" open the current folder as a click on its expander does, and no deeper.
    TreeNode *a = f.node(u"C:\\\\a"_s);
    for (const Qt::Key key : {Qt::Key_Asterisk, Qt::Key_Plus}) {
        a->setExpanded(false);
        f.ui.DirTree->setSelectedItem(a);
        QTest::keyClick(f.ui.DirTree, key);
        QVERIFY(a->Expanded());
        QCOMPARE(f.node(u"C:\\a\\b"_s)->Children(), 1); // the look-ahead
        QVERIFY(!f.node(u"C:\\a\\b"_s)->Expanded());
        QCOMPARE(f.node(u"C:\\a\\b\\c"_s)->Children(), 0);
        QCOMPARE(f.ui.DirTree->SelectedItem(), a);
        QCOMPARE(f.listed(), QStringList{u"in-a.txt"_s});
    }

    // A collapse shows the collapsed folder, as a click on it does.
    f.click(f.node(u"C:\\\\z"_s));
    QCOMPARE(f.listed(), QStringList{u"in-z.txt"_s});
    a->setExpanded(false);
    QCOMPARE(f.listed(), QStringList{u"in-a.txt"_s});
}

void TreeHandlersTest::refusal_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<Way>("way");
    QTest::newRow("click") << u"C:\\\\WINDOWS"_s << Way::Click;
    QTest::newRow("click, another node selected")
        << u"C:\\\\WINDOWS"_s << Way::ClickWithOtherSelected;
    QTest::newRow("expansion") << u"C:\\\\WINDOWS"_s << Way::Expand;
    QTest::newRow("Right") << u"C:\\\\WINDOWS"_s << Way::RightKey;
    QTest::newRow("*") << u"C:\\\\WINDOWS"_s << Way::StarKey;
    // On expansion the name alone counts, on any drive and at any depth; letter case too.
    QTest::newRow("expansion of the name elsewhere") << u"D:\\deep\\WINDOWS"_s << Way::Expand;
    QTest::newRow("click on a link to it") << u"C:\\\\bin"_s << Way::Click;
    QTest::newRow("expansion of a link to it") << u"C:\\\\bin"_s << Way::Expand;
    // The system folder named as a drive's node: the drive keeps the selection.
    QTest::newRow("expansion of a drive") << u"root68"_s << Way::Expand;
    // A drive that is the system folder mounted again, as a link to it stands for here.
    QTest::newRow("click on a drive that is it") << u"root68"_s << Way::Click;
}

void TreeHandlersTest::refusal()
{
    QFETCH(QString, key);
    QFETCH(Way, way);
    const bool drive = key.startsWith(u"root");
    const bool namedAsDrive = drive && way == Way::Expand;
    const bool onD = key.startsWith(u'D');
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    // Only there is the same name in other letters made, beside it.
    if (onD)
        SKIP_UNLESS_ABLE(TestDrives::withoutNames({u"WINDOWS"_s, u"Windows"_s}));
    WindowFixture f(TestDrives(TestDrives::standardLayout(), RenameWay::NoReplaceFlag,
                               namedAsDrive ? u"Z:\\ (D:)"_s : u"C:\\WINDOWS"_s));
    f.make({u"C:\\WINDOWS\\System32\\drivers"_s, u"C:\\other\\i"_s, u"D:\\deep\\WINDOWS\\x\\y"_s},
           {u"C:\\r.txt"_s, u"C:\\WINDOWS\\w.txt"_s, u"C:\\other\\o.txt"_s,
            u"D:\\deep\\WINDOWS\\W.txt"_s});
    if (onD)
        f.make({u"D:\\deep\\Windows\\z"_s}, {u"D:\\deep\\Windows\\in-windows.txt"_s});
    QVERIFY(f.drives.makeLink(u"C:\\bin"_s, "WINDOWS"));
    if (drive && !namedAsDrive) {
        const QString d = QDir::cleanPath(f.drives.native(u"D:\\"_s));
        QVERIFY(QDir(d).removeRecursively() && QFile::link(f.drives.native(u"C:\\WINDOWS"_s), d));
    }
    f.start();
    // The look-ahead read the names below a link to the system folder without a word.
    QCOMPARE(f.node(u"C:\\\\bin"_s)->Children(), 1);
    if (onD) {
        f.node(u"root68"_s)->setExpanded(true);
        f.node(u"D:\\\\deep"_s)->setExpanded(true);
    }
    QVERIFY(f.dialogs.boxes().isEmpty());

    TreeNode *node = f.node(key);
    const qsizetype nodes = f.ui.DirTree->count();
    const QStringList listed = f.listed();
    f.ui.DirTree->setSelectedItem(way == Way::ClickWithOtherSelected ? f.node(u"C:\\\\other"_s)
                                                                     : node);
    f.expectRefusal();
    if (way == Way::Click || way == Way::ClickWithOtherSelected)
        f.window.DirTree_NodeClick(node);
    else if (way == Way::Expand)
        node->setExpanded(true);
    else
        QTest::keyClick(f.ui.DirTree, way == Way::RightKey ? Qt::Key_Right : Qt::Key_Asterisk);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.ui.DirTree->SelectedItem(), drive ? node : node->Parent());
    QVERIFY(!node->Expanded());
    QCOMPARE(f.ui.DirTree->count(), nodes);
    QCOMPARE(f.listed(), listed);
    QVERIFY(!f.window.isBusy());

    // Afterwards a folder beside it opens as ever, the same name in other letters too.
    TreeNode *next = f.node(onD ? u"D:\\deep\\Windows"_s : u"C:\\\\other"_s);
    next->setExpanded(true);
    QVERIFY(next->Expanded());
    QCOMPARE(f.listed(), QStringList{onD ? u"in-windows.txt"_s : u"o.txt"_s});
    QCOMPARE(f.dialogs.boxes().size(), 1);
}

void TreeHandlersTest::treeShowsWholeNamesAndWhereTheyAre()
{
    QStringList folders;
    for (int i = 10; i < 50; ++i)
        folders.append(u"C:\\f"_s + QString::number(i));
    const QString deep = u"C:\\f49\\Holiday photos of the whole family\\Rome, the second week"_s;
    Started f(folders + QStringList{deep + u"\\x"_s, u"C:\\f49\\b"_s});
    NodeTree *tree = f.ui.DirTree;
    // Opened at the foot of the tree, a folder brings its children into view with it.
    tree->scrollToBottom();
    TreeNode *last = f.node(u"C:\\\\f49"_s);
    last->setExpanded(true);
    QCoreApplication::processEvents();
    for (TreeNode *item : {last, last->Child()->LastSibling()}) {
        const QRect row = tree->visualItemRect(item);
        QVERIFY(row.top() >= 0 && row.bottom() < tree->viewport()->height());
    }
    // Deep down, names are shown whole, the tree scrolling sideways, and tell where they are.
    f.node(u"C:\\f49\\Holiday photos of the whole family"_s)->setExpanded(true);
    TreeNode *deepest = f.node(deep);
    QCOMPARE(deepest->data(0, Qt::ToolTipRole).toString(), deep);
    QTRY_VERIFY(tree->horizontalScrollBar()->maximum() > 0);
    QVERIFY(tree->columnWidth(0) >= tree->visualItemRect(deepest).left() +
                                        tree->fontMetrics().horizontalAdvance(deepest->Text()));
}

void TreeHandlersTest::linksBackAreListedButNeverOpened()
{
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    Started f({u"C:\\a\\b\\c"_s}, {u"C:\\top.txt"_s, u"C:\\a\\b\\in-b.txt"_s});
    QVERIFY(f.drives.makeLink(u"C:\\a\\b\\self"_s, "."));
    QVERIFY(f.drives.makeLink(u"C:\\a\\b\\up"_s, "../.."));
    QVERIFY(f.drives.makeLink(u"C:\\a\\b\\side"_s, "c"));
    f.node(u"C:\\\\a"_s)->setExpanded(true);
    TreeNode *b = f.node(u"C:\\a\\b"_s);
    f.ui.DirTree->setSelectedItem(b);
    QTest::keyClick(f.ui.DirTree, Qt::Key_Asterisk);
    QCOMPARE(b->Children(), 4);
    // A link to a folder elsewhere is a folder like any other; a link back is not opened.
    QVERIFY(!f.node(u"C:\\a\\b\\side"_s)->leadsBack());
    for (const QString &key : {u"C:\\a\\b\\self"_s, u"C:\\a\\b\\up"_s}) {
        TreeNode *back = f.node(key);
        QVERIFY2(back->leadsBack(), qPrintable(key));
        f.ui.DirTree->setSelectedItem(back);
        QTest::keyClick(f.ui.DirTree, Qt::Key_Asterisk);
        QVERIFY(!back->Expanded());
        f.click(back);
        QCOMPARE(back->Children(), 0);
    }
    QCOMPARE(f.listed(), QStringList{u"top.txt"_s}); // those of the folder it leads to
}

void TreeHandlersTest::clickShowsTheFolderAndLoadsItsSubfoldersOnce()
{
    Started f({}, {u"C:\\on-c.txt"_s, u"C:\\a\\b\\f.txt"_s, u"D:\\on-d.txt"_s});
    f.node(u"C:\\\\a"_s)->setExpanded(true);
    // Made after the look-ahead, so that only the click can bring them.
    f.make({u"C:\\a\\b\\c1"_s, u"C:\\a\\b\\c2"_s});
    TreeNode *b = f.node(u"C:\\a\\b"_s);
    f.click(b);
    QCOMPARE(f.node(u"C:\\a\\b\\c2"_s)->Parent(), b);
    const qsizetype nodes = f.ui.DirTree->count();
    f.make({u"C:\\a\\b\\c3"_s}, {u"C:\\a\\b\\g.txt"_s});
    f.click(b);
    QCOMPARE(b->Children(), 2);
    QCOMPARE(f.ui.DirTree->count(), nodes);
    QCOMPARE(f.listed(), (QStringList{u"f.txt"_s, u"g.txt"_s})); // the list is read anew
    // A drive's node shows its root.
    f.click(f.node(u"root68"_s));
    QCOMPARE(f.listed(), QStringList{u"on-d.txt"_s});
    f.click(f.node(u"root67"_s));
    QCOMPARE(f.listed(), QStringList{u"on-c.txt"_s});
}

void TreeHandlersTest::unopenableFolderShowsNoFiles_data()
{
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("expanded");
    QTest::newRow("removed") << true << false;
    QTest::newRow("unreadable") << false << false;
    // Its look-ahead opens the children, the last a link into the system folder, whose files
    // must not stand in for its own.
    QTest::newRow("unreadable, expanded") << false << true;
}

void TreeHandlersTest::unopenableFolderShowsNoFiles()
{
    QFETCH(bool, removed);
    QFETCH(bool, expanded);
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    if (!removed)
        SKIP_UNLESS_ABLE(TestDrives::withoutOwners());
    WindowFixture f;
    f.make({u"D:\\sub"_s, u"C:\\gone\\a"_s, u"C:\\WINDOWS"_s},
           {u"D:\\k.txt"_s, u"C:\\gone\\g.txt"_s, u"C:\\gone\\a\\in-a.txt"_s,
            u"C:\\WINDOWS\\win.txt"_s});
    QVERIFY(f.drives.makeLink(u"C:\\gone\\system"_s, "../WINDOWS"));
    f.start();
    // In no node yet: the folder that stays open must not lend it to gone's node.
    f.make({u"D:\\late"_s});
    TreeNode *gone = f.node(u"C:\\\\gone"_s); // its children loaded at start-up
    f.click(f.node(u"root68"_s));
    const QByteArray native = QFile::encodeName(f.drives.native(u"C:\\gone"_s));
    const AsOrdinaryUser user(f.drives);
    if (removed)
        QVERIFY(QDir(QFile::decodeName(native)).removeRecursively());
    else
        QCOMPARE(::chmod(native.constData(), 0111), 0);
    if (expanded)
        gone->setExpanded(true);
    else
        f.click(gone);
    QCOMPARE(f.listed(), QStringList());
    QCOMPARE(gone->Children(), 2);
    // With nothing listed there is nothing to rename; the folder clicked again is renamed in.
    f.ui.Text1->setText(u"x"_s);
    f.ui.cmdRename->click();
    f.click(f.node(u"root68"_s));
    f.select({u"k.txt"_s});
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.rename(f.ui.optAttachBegin, u"x"_s);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.drives.entriesOf(u"D:\\"_s), (QStringList{u"late"_s, u"sub"_s, u"xk.txt"_s}));
    ::chmod(native.constData(), 0700);
}

void TreeHandlersTest::openImageFollowsTheCurrentFolder()
{
    Started f({u"C:\\A"_s, u"C:\\B"_s, u"C:\\C"_s, u"C:\\x\\Same"_s, u"C:\\y\\Same"_s});
    TreeNode *a = f.node(u"C:\\\\A"_s);
    TreeNode *b = f.node(u"C:\\\\B"_s);
    TreeNode *c = f.node(u"C:\\\\C"_s);
    f.click(a);
    f.click(b);
    QCOMPARE(b->Image(), u"open"_s);
    QCOMPARE(a->Image(), u"folder"_s);
    QCOMPARE(f.node(u"root67"_s)->Image(), u"fixed"_s);
    // Each click puts back one stale node, the first in index order.
    a->setImage(u"open"_s);
    f.click(c);
    QCOMPARE(c->Image(), u"open"_s);
    QCOMPARE(a->Image(), u"folder"_s);
    QCOMPARE(b->Image(), u"open"_s);
    f.click(c);
    QCOMPARE(b->Image(), u"folder"_s);
    // A node with the text of the selected one is never stale.
    f.node(u"C:\\\\x"_s)->setExpanded(true);
    f.node(u"C:\\\\y"_s)->setExpanded(true);
    f.click(f.node(u"C:\\x\\Same"_s));
    f.click(f.node(u"C:\\y\\Same"_s));
    QCOMPARE(f.node(u"C:\\x\\Same"_s)->Image(), u"open"_s);
    QCOMPARE(f.node(u"C:\\y\\Same"_s)->Image(), u"open"_s);
}

void TreeHandlersTest::countsBeyondSixteenBits()
{
    // One folder of 33,000 files and as many subfolders, the last with one of its own, made
    // after start-up so that the click loads them.
    const int count = 33000;
    SKIP_UNLESS_ABLE(TestDrives::withoutRoomFor(2 * count));
    Started f({u"C:\\big"_s});
    const QByteArray big = QFile::encodeName(f.drives.native(u"C:\\big"_s));
    for (int i = 0; i < count; ++i)
        QVERIFY(::mkdir((big + "/d" + QByteArray::number(i)).constData(), 0700) == 0);
    QVERIFY(f.drives.makeFolder(u"C:\\big\\d32999\\last"_s));
    QVERIFY(f.drives.makeEmptyFiles(u"C:\\big"_s, count, "f"));

    TreeNode *node = f.node(u"C:\\\\big"_s);
    f.click(node);
    QCOMPARE(node->Children(), count);
    QCOMPARE(f.ui.lsList->itemCount(), count);
    QCOMPARE(f.ui.lsList->itemText(1), u"f0"_s);
    QCOMPARE(f.ui.lsList->itemText(count), u"f32999"_s);
    QCOMPARE(f.ui.pbStatus->Max(), count);

    int walkMax = -1; // the bar's maximum as the walk over the subfolders ends
    connect(f.ui.pbStatus, &ProgressMeter::valueSet, &f.window, [&](int value) {
        if (value == 0 && walkMax < 0)
            walkMax = f.ui.pbStatus->Max();
    });
    node->setExpanded(true);
    TreeNode *lastChild = node->Child()->LastSibling();
    QCOMPARE(lastChild->Children(), 1);
    QCOMPARE(walkMax, lastChild->Index());
    QVERIFY(f.ui.DirTree->count() > 32767);
    const TreeNode *beyond = f.node(u"C:\\big\\d32765"_s);
    QCOMPARE(beyond->Index(), node->Child()->Index() + 32765);
    QVERIFY(beyond->Index() > 32768);
    QCOMPARE(f.ui.DirTree->node(beyond->Index()), beyond);

    f.window.lsSelAll_Click();
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.ui.Text1->setText(u"g"_s);
    f.ui.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.ui.lsList->itemCount(), count);
    QCOMPARE(f.ui.lsList->itemText(1), u"gf0"_s);
    QCOMPARE(f.ui.lsList->itemText(count), u"gf32999"_s);
    QCOMPARE(QDir(QFile::decodeName(big)).entryList({u"gf*"_s}, QDir::Files).size(), count);
}

void TreeHandlersTest::keysInTheTree_data()
{
    QTest::addColumn<QList<QKeyCombination>>("keys"); // from deep's boot
    QTest::addColumn<QString>("reached");             // below deep
    QTest::addColumn<int>("refusals");
    const QKeyCombination down(Qt::Key_Down), up(Qt::Key_Up), right(Qt::Key_Right);
    // From a refused link without subfolders Right goes nowhere; Down goes on from it.
    QTest::newRow("Down past links and the system folder")
        << QList{down, down, down, right, down, down} << u"\\var"_s << 3;
    QTest::newRow("Up past them, then opening one")
        << QList{QKeyCombination(Qt::Key_End), up, up, up, up, right} << u"\\home"_s << 3;
    QTest::newRow("elsewhere, then collapsed")
        << QList{up, {Qt::Key_V}, up, {Qt::Key_Minus}, down, down} << QString() << 2;
    // A drive without a label starts with a blank, which Qt's type-ahead would find.
    QTest::newRow("Space") << QList{QKeyCombination(Qt::Key_Space)} << u"\\boot"_s << 0;
}

void TreeHandlersTest::keysInTheTree()
{
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QString, reached);
    QFETCH(int, refusals);
    SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    // The system folder and links into it, deeper than the tree is wide.
    const QString deep = u"C:\\one\\two\\three\\four\\five\\six\\seven\\eight"_s;
    WindowFixture f(
        TestDrives({{u'C', DriveType::Fixed, {}}}, RenameWay::NoReplaceFlag, deep + u"\\usr"_s));
    f.make({deep + u"\\usr\\bin"_s, deep + u"\\usr\\lib\\x"_s, deep + u"\\usr\\sbin"_s,
            deep + u"\\boot"_s, deep + u"\\home\\me"_s, deep + u"\\var"_s});
    for (const QByteArray name : {"bin", "lib", "sbin"})
        QVERIFY(f.drives.makeLink(deep + u'\\' + QString::fromLatin1(name), "usr/" + name));
    f.showFolder(deep + u"\\boot"_s);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    NodeTree *tree = f.ui.DirTree;
    const auto inSight = [tree] { // the image and the start of the name
        const QRect row = tree->visualItemRect(tree->currentItem());
        return tree->viewport()->rect().contains(
            row.adjusted(0, 0, 2 * row.height() - row.width(), 0));
    };
    // A click where the row shows nothing.
    tree->horizontalScrollBar()->setValue(0);
    TreeNode *boot = f.node(deep + u"\\boot"_s);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      {2, tree->visualItemRect(boot).center().y()});
    QVERIFY(tree->SelectedItem() == boot && inSight());
    for (int i = 0; i < refusals; ++i) // a box takes the keyboard, as a window of its own
        f.expectRefusal([] {
            QWidget box;
            box.show();
            QVERIFY(QTest::qWaitForWindowActive(&box));
        });
    for (const QKeyCombination key : keys) {
        QTest::keyClick(tree, key.key(), key.keyboardModifiers());
        QCoreApplication::processEvents();
        QVERIFY(tree->SelectedItem() && tree->SelectedItem() == tree->currentItem() && inSight());
        QTRY_COMPARE(QApplication::focusWidget(), tree);
    }
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(tree->SelectedItem(), f.node(deep + reached));
}

void TreeHandlersTest::stoppedFileSystemFailsAsUnreadable()
{
    WindowFixture f;
    f.make({u"C:\\mnt"_s, u"C:\\source\\inside"_s}, {u"C:\\c.txt"_s});
    StoppableMount mount(f.drives.native(u"C:\\source"_s), f.drives.native(u"C:\\mnt"_s));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.whyNot()));
    f.drives.platform().setPatience(std::chrono::seconds(1));
    mount.stop();
    f.start(); // its look-ahead asks nothing of the mount, or it would never end
    TreeNode *mnt = f.node(u"C:\\\\mnt"_s);
    QCOMPARE(mnt->Children(), 0);
    const BusyPaints paints(f.window, f.ui.DirTree->viewport());
    f.click(mnt);
    QVERIFY(paints.count() > 0);
    QCOMPARE(f.listed(), QStringList());
}

QTEST_MAIN(TreeHandlersTest)
#include "tst_treehandlers.moc"
