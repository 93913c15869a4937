// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/NodeTree.h"
#include "platform/PosixPlatform.h"
#include "support/WindowFixture.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// A refused click: the box, the selection moved up to the parent, and nothing else changed.
void clickRefused(WindowFixture &s, TreeNode *node)
{
    const qsizetype nodes = s.window.DirTree->count();
    const QStringList listed = s.listed();
    const QString current = s.window.File1.Path();
    s.expectRefusal();
    s.click(node);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window.DirTree->SelectedItem(), node->Parent());
    QCOMPARE(s.window.DirTree->count(), nodes);
    QCOMPARE(s.listed(), listed);
    QCOMPARE(s.window.File1.Path(), current);
}

} // namespace

class FolderTreeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void expansionLoadsOneLevelAhead();
    void refusesTheSystemFolderNameOnExpansion();
    void refusalAtATopLevelNodeKeepsTheSelection();
    void expandingANodeWithoutChildren();
    void collapseActsAsAClick();
    void keysExpandOneLevel();
    void treeShowsWholeNamesAndWhereTheyAre();
    void linksBackAreListedButNeverOpened();
    void clickLoadsSubfoldersOnce();
    void clickRefusesTheSystemFolderByPathAndText();
    void refusesTheSystemFolderThroughLinks();
    void refusesThisMachinesSystemFolderThroughItsLinks();
    void unopenableFolderKeepsListAndRenameTogether_data();
    void unopenableFolderKeepsListAndRenameTogether();
    void driveNodeClickShowsTheRoot();
    void openImageFollowsTheCurrentFolder();
    void oneStaleNodePerCall();
    void thousandsOfSubfolders();
};

void FolderTreeTest::expansionLoadsOneLevelAhead()
{
    // Files in the children but none in P: a refill of the list for a child during the walk
    // would leave the bar's maximum at that child's number of files.
    Started s({u"C:\\P\\a\\a1"_s, u"C:\\P\\b\\b1"_s, u"C:\\P\\b\\b2"_s, u"C:\\P\\c"_s},
              {u"C:\\elsewhere.txt"_s, u"C:\\P\\a\\in-a.txt"_s, u"C:\\P\\c\\in-c.txt"_s});
    TreeNode *p = s.node(u"C:\\\\P"_s);
    QCOMPARE(p->Children(), 3); // loaded during start-up's look-ahead
    QCOMPARE(s.node(u"C:\\P\\a"_s)->Children(), 0);

    // The window takes the events that wait, the paints among them, while it walks.
    bool handledWhileWalking = false;
    QObject::connect(s.window.pbStatus, &ProgressMeter::valueSet, &s.window, [&] {
        QTimer::singleShot(0, &s.window, [&] { handledWhileWalking |= s.window.Expanding; });
    });
    p->setExpanded(true);
    QVERIFY(handledWhileWalking);
    QCOMPARE(s.node(u"C:\\P\\a"_s)->Children(), 1);
    QCOMPARE(s.node(u"C:\\P\\b"_s)->Children(), 2);
    QCOMPARE(s.node(u"C:\\P\\c"_s)->Children(), 0);
    QCOMPARE(s.node(u"C:\\P\\b\\b2"_s)->Text(), u"b2"_s);
    QCOMPARE(s.window.pbStatus->Max(), s.node(u"C:\\P\\c"_s)->Index());
    QCOMPARE(s.window.pbStatus->Value(), 0);
    QCOMPARE(s.window.DirTree->SelectedItem(), p);
    QCOMPARE(s.window.File1.Path(), u"C:\\P"_s);
    QCOMPARE(s.window.curPath, u"C:\\P\\"_s);
    QCOMPARE(s.listed(), QStringList());
    QVERIFY(!s.window.Expanding);
    QVERIFY(s.dialogs.boxes().isEmpty());
}

void FolderTreeTest::refusesTheSystemFolderNameOnExpansion()
{
    Started s({u"C:\\WINDOWS\\System32\\drivers"_s, u"D:\\deep\\WINDOWS\\x\\y"_s,
               u"D:\\deep\\Windows\\z\\w"_s},
              {u"C:\\root.txt"_s});
    // The look-ahead below C: loaded the system folder's own subfolders without a word.
    TreeNode *windows = s.node(u"C:\\\\WINDOWS"_s);
    QCOMPARE(windows->Children(), 1);
    QVERIFY(s.dialogs.boxes().isEmpty());

    // By mouse, by the keys that expand, and from code, the end state is the same.
    const std::function<void()> expansions[] = {
        [&] { windows->setExpanded(true); },
        [&] { QTest::keyClick(s.window.DirTree, Qt::Key_Right); },
        [&] { QTest::keyClick(s.window.DirTree, Qt::Key_Asterisk); },
    };
    for (const auto &expand : expansions) {
        s.window.DirTree->setSelectedItem(windows);
        s.expectRefusal();
        expand();
        QVERIFY(s.dialogs.allAnswered());
        QVERIFY(!windows->Expanded());
        QCOMPARE(s.window.DirTree->SelectedItem(), s.node(u"root67"_s));
        QCOMPARE(s.node(u"C:\\WINDOWS\\System32"_s)->Children(), 0);
        QCOMPARE(s.listed(), QStringList{u"root.txt"_s});
        QVERIFY(!s.window.Expanding);
    }

    // The name alone counts, on any drive and at any depth; letter case counts too.
    s.node(u"root68"_s)->setExpanded(true);
    s.node(u"D:\\\\deep"_s)->setExpanded(true);
    TreeNode *other = s.node(u"D:\\deep\\WINDOWS"_s);
    s.expectRefusal();
    other->setExpanded(true);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window.DirTree->SelectedItem(), s.node(u"D:\\\\deep"_s));
    QCOMPARE(s.node(u"D:\\deep\\WINDOWS\\x"_s)->Children(), 0);

    TreeNode *lower = s.node(u"D:\\deep\\Windows"_s);
    lower->setExpanded(true);
    QVERIFY(lower->Expanded());
    QCOMPARE(s.node(u"D:\\deep\\Windows\\z"_s)->Children(), 1);
    QCOMPARE(s.window.File1.Path(), u"D:\\deep\\Windows"_s);

    // After a refusal a click works as ever.
    s.click(s.node(u"D:\\\\deep"_s));
    QCOMPARE(s.window.File1.Path(), u"D:\\deep"_s);
    QCOMPARE(s.dialogs.boxes().size(), 4);
}

void FolderTreeTest::refusalAtATopLevelNodeKeepsTheSelection()
{
    Started s({u"D:\\x"_s});
    s.window.WinPath = u"Z:\\ (D:)"_s; // the drive node's own text
    TreeNode *d = s.node(u"root68"_s);
    s.expectRefusal();
    d->setExpanded(true);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window.DirTree->SelectedItem(), d);
    QVERIFY(!d->Expanded());
}

void FolderTreeTest::expandingANodeWithoutChildren()
{
    Started s({u"C:\\empty"_s}, {u"C:\\empty\\file.txt"_s});
    TreeNode *empty = s.node(u"C:\\\\empty"_s);
    QCOMPARE(empty->Children(), 0);
    empty->setExpanded(true);
    QCOMPARE(s.window.DirTree->SelectedItem(), empty);
    QCOMPARE(s.window.File1.Path(), u"C:\\empty"_s);
    QCOMPARE(s.listed(), QStringList{u"file.txt"_s});
    QVERIFY(!s.window.Expanding);
}

void FolderTreeTest::collapseActsAsAClick()
{
    Started s({u"C:\\a\\b"_s, u"C:\\z"_s}, {u"C:\\a\\in-a.txt"_s});
    TreeNode *a = s.node(u"C:\\\\a"_s);
    a->setExpanded(true);
    s.click(s.node(u"C:\\\\z"_s));
    QCOMPARE(s.window.File1.Path(), u"C:\\z"_s);
    a->setExpanded(false);
    QCOMPARE(s.window.File1.Path(), u"C:\\a"_s);
    QCOMPARE(s.listed(), QStringList{u"in-a.txt"_s});
}

void FolderTreeTest::keysExpandOneLevel()
{
    Started s({u"C:\\a\\b\\c\\d"_s, u"C:\\a\\e"_s}, {u"C:\\a\\in-a.txt"_s});
    TreeNode *a = s.node(u"C:\\\\a"_s);
    // "*" and "+" open the current folder as a click on its expander does, and no deeper.
    for (const Qt::Key key : {Qt::Key_Asterisk, Qt::Key_Plus}) {
        a->setExpanded(false);
        s.window.DirTree->setSelectedItem(a);
        QTest::keyClick(s.window.DirTree, key);
        QVERIFY(a->Expanded());
        TreeNode *b = s.node(u"C:\\a\\b"_s);
        QCOMPARE(b->Children(), 1); // the look-ahead
        QVERIFY(!b->Expanded());
        QCOMPARE(s.node(u"C:\\a\\b\\c"_s)->Children(), 0);
        QCOMPARE(s.window.DirTree->SelectedItem(), a);
        QCOMPARE(s.listed(), QStringList{u"in-a.txt"_s});
    }
}

void FolderTreeTest::treeShowsWholeNamesAndWhereTheyAre()
{
    QStringList folders;
    for (int i = 10; i < 50; ++i)
        folders.append(u"C:\\f"_s + QString::number(i));
    const QString deep = u"C:\\f49\\Holiday photos of the whole family\\Rome, the second week"_s;
    Started s(folders + QStringList{deep + u"\\x"_s, u"C:\\f49\\b"_s});
    NodeTree *tree = s.window.DirTree;
    QCOMPARE(s.node(u"root67"_s)->data(0, Qt::ToolTipRole).toString(), u"C:\\"_s);

    // Opened at the foot of the tree, a folder brings its children into view with it.
    tree->scrollToBottom();
    TreeNode *last = s.node(u"C:\\\\f49"_s);
    last->setExpanded(true);
    QCoreApplication::processEvents();
    const auto inView = [tree](QTreeWidgetItem *item) {
        const QRect row = tree->visualItemRect(item);
        return row.top() >= 0 && row.bottom() < tree->viewport()->height();
    };
    QVERIFY(inView(last));
    QVERIFY(inView(last->Child()->LastSibling()));

    // Deep down, names are shown whole: the tree scrolls sideways.
    s.node(u"C:\\f49\\Holiday photos of the whole family"_s)->setExpanded(true);
    TreeNode *deepest = s.node(deep);
    QCOMPARE(deepest->data(0, Qt::ToolTipRole).toString(), deep);
    QTRY_VERIFY(tree->horizontalScrollBar()->maximum() > 0);
    QVERIFY(tree->columnWidth(0) >= tree->visualItemRect(deepest).left() +
                                        tree->fontMetrics().horizontalAdvance(deepest->Text()));
}

void FolderTreeTest::linksBackAreListedButNeverOpened()
{
    Started s({u"C:\\a\\b\\c"_s}, {u"C:\\top.txt"_s, u"C:\\a\\b\\in-b.txt"_s});
    QVERIFY(s.drives.makeLink(u"C:\\a\\b\\self"_s, "."));
    QVERIFY(s.drives.makeLink(u"C:\\a\\b\\up"_s, "../.."));
    QVERIFY(s.drives.makeLink(u"C:\\a\\b\\side"_s, "c"));
    s.node(u"C:\\\\a"_s)->setExpanded(true);
    TreeNode *b = s.node(u"C:\\a\\b"_s);
    s.window.DirTree->setSelectedItem(b);
    QTest::keyClick(s.window.DirTree, Qt::Key_Asterisk);
    QCOMPARE(b->Children(), 4);

    // A link to a folder elsewhere is a folder like any other; a link back is not opened.
    QVERIFY(!s.node(u"C:\\a\\b\\side"_s)->leadsBack());
    for (const QString &key : {u"C:\\a\\b\\self"_s, u"C:\\a\\b\\up"_s}) {
        TreeNode *back = s.node(key);
        QVERIFY2(back->leadsBack(), qPrintable(key));
        QCOMPARE(back->Children(), 0);
        s.window.DirTree->setSelectedItem(back);
        QTest::keyClick(s.window.DirTree, Qt::Key_Asterisk);
        QVERIFY(!back->Expanded());
        s.click(back);
        QCOMPARE(back->Children(), 0);
    }
    // Its files are those of the folder it leads to.
    QCOMPARE(s.listed(), QStringList{u"top.txt"_s});
}

void FolderTreeTest::clickLoadsSubfoldersOnce()
{
    Started s({u"C:\\a\\b\\c1"_s, u"C:\\a\\b\\c2"_s}, {u"C:\\a\\b\\f.txt"_s});
    TreeNode *b = s.node(u"C:\\a\\b"_s);
    QCOMPARE(b->Children(), 0);
    s.click(b);
    QCOMPARE(b->Children(), 2);
    QCOMPARE(s.node(u"C:\\a\\b\\c2"_s)->Parent(), b);
    QCOMPARE(s.listed(), QStringList{u"f.txt"_s});

    const qsizetype nodes = s.window.DirTree->count();
    QVERIFY(s.drives.makeFolder(u"C:\\a\\b\\c3"_s));
    QVERIFY(s.drives.makeFile(u"C:\\a\\b\\g.txt"_s));
    s.click(b);
    QCOMPARE(s.window.DirTree->count(), nodes);
    QCOMPARE(s.listed(), (QStringList{u"f.txt"_s, u"g.txt"_s})); // the list is read anew
}

void FolderTreeTest::clickRefusesTheSystemFolderByPathAndText()
{
    Started s({u"C:\\WINDOWS\\Fonts"_s, u"C:\\other\\WINDOWS\\inner"_s}, {u"C:\\r.txt"_s});
    TreeNode *windows = s.node(u"C:\\\\WINDOWS"_s);
    QCOMPARE(s.listed(), QStringList{u"r.txt"_s});
    clickRefused(s, windows);

    // Same name, other path: not the system folder.
    s.click(s.node(u"C:\\\\other"_s));
    s.click(s.node(u"C:\\other\\WINDOWS"_s));
    QCOMPARE(s.window.File1.Path(), u"C:\\other\\WINDOWS"_s);

    // Same path, but the selected node is another one: the text test does not hold. The
    // folder itself is refused all the same.
    s.window.DirTree->setSelectedItem(s.node(u"C:\\\\other"_s));
    s.expectRefusal();
    s.window.DirTree_NodeClick(windows);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window.File1.Path(), u"C:\\other\\WINDOWS"_s);
    QCOMPARE(s.window.DirTree->SelectedItem(), s.node(u"root67"_s));
}

void FolderTreeTest::refusesTheSystemFolderThroughLinks()
{
    WindowFixture s;
    s.make({u"C:\\WINDOWS\\Fonts\\Type1"_s, u"C:\\home\\ann\\Photos"_s},
           {u"C:\\WINDOWS\\Fonts\\arial.ttf"_s, u"C:\\home\\ann\\Photos\\p.jpg"_s});
    QVERIFY(s.drives.makeLink(u"C:\\bin"_s, "WINDOWS"));
    QVERIFY(s.drives.makeLink(u"C:\\home\\ann\\fonts"_s,
                              QFile::encodeName(s.drives.native(u"C:\\WINDOWS\\Fonts"_s))));
    s.start();
    // The look-ahead reads the names below such a link, as it does below the folder itself.
    TreeNode *bin = s.node(u"C:\\\\bin"_s);
    QCOMPARE(bin->Children(), 1);
    QVERIFY(s.dialogs.boxes().isEmpty());

    QCOMPARE(s.window.File1.Path(), u"C:\\"_s);
    clickRefused(s, bin);

    s.expectRefusal();
    bin->setExpanded(true);
    QVERIFY(!bin->Expanded());
    QCOMPARE(s.window.DirTree->SelectedItem(), s.node(u"root67"_s));
    QCOMPARE(s.node(u"C:\\bin\\Fonts"_s)->Children(), 0);

    // A link deep below, into a folder inside the system's.
    s.node(u"C:\\\\home"_s)->setExpanded(true);
    s.click(s.node(u"C:\\home\\ann\\Photos"_s));
    QCOMPARE(s.listed(), QStringList{u"p.jpg"_s});
    clickRefused(s, s.node(u"C:\\home\\ann\\fonts"_s));
}

void FolderTreeTest::refusesThisMachinesSystemFolderThroughItsLinks()
{
    if (QFileInfo(u"/bin"_s).symLinkTarget() != u"/usr/bin"_s)
        QSKIP("/bin is no link into /usr here");
    const std::unique_ptr<PosixPlatform> platform = PosixPlatform::forThisMachine();
    ScriptedDialogs dialogs;
    frmMain w(*platform, dialogs);
    w.Form_Load();
    TreeNode *bin = w.DirTree->node(u"C:\\\\bin"_s);
    QVERIFY(bin);
    dialogs.expectBox(Critical, u"Error"_s, MsgBoxAnswer::Ok);
    w.DirTree->setSelectedItem(bin);
    w.DirTree_NodeClick(bin);
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(w.DirTree->SelectedItem(), w.DirTree->node(u"root67"_s));
    QCOMPARE(w.File1.Path(), u"C:\\"_s);
}

void FolderTreeTest::unopenableFolderKeepsListAndRenameTogether_data()
{
    QTest::addColumn<bool>("removed");
    QTest::newRow("removed") << true;
    QTest::newRow("unreadable") << false;
}

void FolderTreeTest::unopenableFolderKeepsListAndRenameTogether()
{
    QFETCH(bool, removed);
    if (!removed && ::geteuid() == 0)
        QSKIP("root reads every folder");
    Started s({u"C:\\keep"_s, u"C:\\gone"_s}, {u"C:\\keep\\k.txt"_s, u"C:\\gone\\g.txt"_s});
    s.click(s.node(u"C:\\\\keep"_s));
    const QString gone = s.drives.native(u"C:\\gone"_s);
    if (removed)
        QVERIFY(QDir(gone).removeRecursively());
    else
        QCOMPARE(::chmod(QFile::encodeName(gone).constData(), 0), 0);
    s.click(s.node(u"C:\\\\gone"_s));
    // The enumerator stayed where it could read, and the list shows just that folder.
    QCOMPARE(s.window.File1.Path(), u"C:\\keep"_s);
    QCOMPARE(s.window.curPath, u"C:\\keep\\"_s);
    QCOMPARE(s.listed(), QStringList{u"k.txt"_s});
    QCOMPARE(s.node(u"C:\\\\gone"_s)->Children(), 0);
    ::chmod(QFile::encodeName(gone).constData(), 0700);
}

void FolderTreeTest::driveNodeClickShowsTheRoot()
{
    Started s({u"C:\\Music"_s}, {u"C:\\Music\\song.mp3"_s, u"D:\\top.txt"_s});
    s.click(s.node(u"C:\\\\Music"_s));
    QCOMPARE(s.listed(), QStringList{u"song.mp3"_s});
    s.click(s.node(u"root68"_s));
    QCOMPARE(s.window.File1.Path(), u"D:\\"_s);
    QCOMPARE(s.window.curPath, u"D:\\"_s);
    QCOMPARE(s.listed(), QStringList{u"top.txt"_s});
    s.click(s.node(u"root67"_s));
    QCOMPARE(s.window.File1.Path(), u"C:\\"_s);
    QCOMPARE(s.listed(), QStringList());
}

void FolderTreeTest::openImageFollowsTheCurrentFolder()
{
    Started s({u"C:\\A"_s, u"C:\\B"_s, u"C:\\x\\Same"_s, u"C:\\y\\Same"_s});
    TreeNode *a = s.node(u"C:\\\\A"_s);
    TreeNode *b = s.node(u"C:\\\\B"_s);
    s.click(a);
    QCOMPARE(a->Image(), u"open"_s);
    s.click(b);
    QCOMPARE(b->Image(), u"open"_s);
    QCOMPARE(a->Image(), u"folder"_s);
    QCOMPARE(s.node(u"root67"_s)->Image(), u"fixed"_s);

    // A node with the text of the selected one is never stale.
    s.node(u"C:\\\\x"_s)->setExpanded(true);
    s.node(u"C:\\\\y"_s)->setExpanded(true);
    TreeNode *first = s.node(u"C:\\x\\Same"_s);
    TreeNode *second = s.node(u"C:\\y\\Same"_s);
    s.click(first);
    s.click(second);
    QCOMPARE(first->Image(), u"open"_s);
    QCOMPARE(second->Image(), u"open"_s);
}

void FolderTreeTest::oneStaleNodePerCall()
{
    Started s({u"C:\\A"_s, u"C:\\B"_s, u"C:\\C"_s});
    TreeNode *a = s.node(u"C:\\\\A"_s);
    TreeNode *b = s.node(u"C:\\\\B"_s);
    TreeNode *c = s.node(u"C:\\\\C"_s);
    a->setImage(u"open"_s);
    b->setImage(u"open"_s);
    s.window.DirTree->setSelectedItem(c);
    s.window.UpdateFolderIcons();
    QCOMPARE(c->Image(), u"open"_s);
    QCOMPARE(a->Image(), u"folder"_s);
    QCOMPARE(b->Image(), u"open"_s);
    s.window.UpdateFolderIcons();
    QCOMPARE(b->Image(), u"folder"_s);
    QCOMPARE(c->Image(), u"open"_s);
}

void FolderTreeTest::thousandsOfSubfolders()
{
    Started s({u"C:\\big"_s});
    const QString big = s.drives.native(u"C:\\big"_s);
    const int count = 33000;
    for (int i = 0; i < count; ++i)
        QVERIFY(QDir().mkdir(big + u"/d"_s + QString::number(i)));
    QVERIFY(s.drives.makeFolder(u"C:\\big\\d32999\\last"_s));

    TreeNode *node = s.node(u"C:\\\\big"_s);
    s.click(node);           // loads the subfolders as nodes
    node->setExpanded(true); // loads theirs
    QCOMPARE(node->Children(), count);
    QVERIFY(s.window.DirTree->count() > 32767);
    TreeNode *lastChild = node->Child()->LastSibling();
    QCOMPARE(lastChild->Text(), u"d32999"_s);
    QCOMPARE(lastChild->Children(), 1);
    QCOMPARE(s.window.pbStatus->Max(), lastChild->Index());
    QCOMPARE(s.window.File1.Path(), u"C:\\big"_s);
}

QTEST_MAIN(FolderTreeTest)
#include "tst_foldertree.moc"
