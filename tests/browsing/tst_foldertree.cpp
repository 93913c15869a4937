#include "browsing/NodeTree.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDrives.h"
#include "support/WindowProbe.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

const QString refusal = u"Brindlewick will not edit known system files!"_s;

// A window started on drives with this layout of folders.
struct Started {
    explicit Started(const QStringList &folders, const QStringList &files = {})
    {
        for (const QString &folder : folders)
            QVERIFY(drives.makeFolder(folder));
        for (const QString &file : files)
            QVERIFY(drives.makeFile(file));
        window = std::make_unique<frmMain>(drives.platform(), dialogs);
        window->Form_Load();
        window->show();
    }

    TreeNode *node(const QString &key) const { return window->DirTree->node(key); }

    // What a user's click does: the node becomes the selected one, then the handler runs.
    void click(TreeNode *node) const
    {
        window->DirTree->setSelectedItem(node);
        window->DirTree_NodeClick(node);
    }

    void expectRefusal() { dialogs.expectBox(Critical, u"Error"_s, MsgBoxAnswer::Ok, refusal); }

    TestDrives drives;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
};

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
    void clickLoadsSubfoldersOnce();
    void clickRefusesTheSystemFolderByPathAndText();
    void removedFolderKeepsListAndRenameTogether();
    void driveNodeClickShowsTheRoot();
    void openImageFollowsTheCurrentFolder();
    void oneStaleNodePerCall();
    void thousandsOfSubfolders();
};

void FolderTreeTest::expansionLoadsOneLevelAhead()
{
    // No files in P: the list's refill would set the bar's maximum to their number.
    Started s({u"C:\\P\\a\\a1"_s, u"C:\\P\\b\\b1"_s, u"C:\\P\\b\\b2"_s, u"C:\\P\\c"_s},
              {u"C:\\elsewhere.txt"_s});
    TreeNode *p = s.node(u"C:\\\\P"_s);
    QCOMPARE(p->Children(), 3); // loaded during start-up's look-ahead
    QCOMPARE(s.node(u"C:\\P\\a"_s)->Children(), 0);

    p->setExpanded(true);
    QCOMPARE(s.node(u"C:\\P\\a"_s)->Children(), 1);
    QCOMPARE(s.node(u"C:\\P\\b"_s)->Children(), 2);
    QCOMPARE(s.node(u"C:\\P\\c"_s)->Children(), 0);
    QCOMPARE(s.node(u"C:\\P\\b\\b2"_s)->Text(), u"b2"_s);
    QCOMPARE(s.window->pbStatus->Max(), s.node(u"C:\\P\\c"_s)->Index());
    QCOMPARE(s.window->pbStatus->Value(), 0);
    QCOMPARE(s.window->DirTree->SelectedItem(), p);
    QCOMPARE(s.window->File1.Path(), u"C:\\P"_s);
    QCOMPARE(s.window->curPath, u"C:\\P\\"_s);
    QCOMPARE(listedNames(*s.window), QStringList());
    QVERIFY(!s.window->Expanding);
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

    s.expectRefusal();
    windows->setExpanded(true);
    QVERIFY(s.dialogs.allAnswered());
    QVERIFY(!windows->Expanded());
    QCOMPARE(s.window->DirTree->SelectedItem(), s.node(u"root67"_s));
    QCOMPARE(s.node(u"C:\\WINDOWS\\System32"_s)->Children(), 0);
    QCOMPARE(listedNames(*s.window), QStringList{u"root.txt"_s});
    QVERIFY(!s.window->Expanding);

    // The name alone counts, on any drive and at any depth; letter case counts too.
    s.node(u"root68"_s)->setExpanded(true);
    s.node(u"D:\\\\deep"_s)->setExpanded(true);
    TreeNode *other = s.node(u"D:\\deep\\WINDOWS"_s);
    s.expectRefusal();
    other->setExpanded(true);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window->DirTree->SelectedItem(), s.node(u"D:\\\\deep"_s));
    QCOMPARE(s.node(u"D:\\deep\\WINDOWS\\x"_s)->Children(), 0);

    TreeNode *lower = s.node(u"D:\\deep\\Windows"_s);
    lower->setExpanded(true);
    QVERIFY(lower->Expanded());
    QCOMPARE(s.node(u"D:\\deep\\Windows\\z"_s)->Children(), 1);
    QCOMPARE(s.window->File1.Path(), u"D:\\deep\\Windows"_s);

    // After a refusal a click works as ever.
    s.click(s.node(u"D:\\\\deep"_s));
    QCOMPARE(s.window->File1.Path(), u"D:\\deep"_s);
    QCOMPARE(s.dialogs.boxes().size(), 2);
}

void FolderTreeTest::refusalAtATopLevelNodeKeepsTheSelection()
{
    Started s({u"D:\\x"_s});
    s.window->WinPath = u"Z:\\ (D:)"_s; // the drive node's own text
    TreeNode *d = s.node(u"root68"_s);
    s.expectRefusal();
    d->setExpanded(true);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window->DirTree->SelectedItem(), d);
    QVERIFY(!d->Expanded());
}

void FolderTreeTest::expandingANodeWithoutChildren()
{
    Started s({u"C:\\empty"_s}, {u"C:\\empty\\file.txt"_s});
    TreeNode *empty = s.node(u"C:\\\\empty"_s);
    QCOMPARE(empty->Children(), 0);
    empty->setExpanded(true);
    QCOMPARE(s.window->DirTree->SelectedItem(), empty);
    QCOMPARE(s.window->File1.Path(), u"C:\\empty"_s);
    QCOMPARE(listedNames(*s.window), QStringList{u"file.txt"_s});
    QVERIFY(!s.window->Expanding);
}

void FolderTreeTest::collapseActsAsAClick()
{
    Started s({u"C:\\a\\b"_s, u"C:\\z"_s}, {u"C:\\a\\in-a.txt"_s});
    TreeNode *a = s.node(u"C:\\\\a"_s);
    a->setExpanded(true);
    s.click(s.node(u"C:\\\\z"_s));
    QCOMPARE(s.window->File1.Path(), u"C:\\z"_s);
    a->setExpanded(false);
    QCOMPARE(s.window->File1.Path(), u"C:\\a"_s);
    QCOMPARE(listedNames(*s.window), QStringList{u"in-a.txt"_s});
}

void FolderTreeTest::clickLoadsSubfoldersOnce()
{
    Started s({u"C:\\a\\b\\c1"_s, u"C:\\a\\b\\c2"_s}, {u"C:\\a\\b\\f.txt"_s});
    TreeNode *b = s.node(u"C:\\a\\b"_s);
    QCOMPARE(b->Children(), 0);
    s.click(b);
    QCOMPARE(b->Children(), 2);
    QCOMPARE(s.node(u"C:\\a\\b\\c2"_s)->Parent(), b);
    QCOMPARE(listedNames(*s.window), QStringList{u"f.txt"_s});

    const qsizetype nodes = s.window->DirTree->count();
    QVERIFY(s.drives.makeFolder(u"C:\\a\\b\\c3"_s));
    QVERIFY(s.drives.makeFile(u"C:\\a\\b\\g.txt"_s));
    s.click(b);
    QCOMPARE(s.window->DirTree->count(), nodes);
    QCOMPARE(listedNames(*s.window),
             (QStringList{u"f.txt"_s, u"g.txt"_s})); // the list is read anew
}

void FolderTreeTest::clickRefusesTheSystemFolderByPathAndText()
{
    Started s({u"C:\\WINDOWS\\Fonts"_s, u"C:\\other\\WINDOWS\\inner"_s}, {u"C:\\r.txt"_s});
    TreeNode *windows = s.node(u"C:\\\\WINDOWS"_s);
    const qsizetype nodes = s.window->DirTree->count();
    s.expectRefusal();
    s.click(windows);
    QVERIFY(s.dialogs.allAnswered());
    QCOMPARE(s.window->DirTree->SelectedItem(), s.node(u"root67"_s));
    QCOMPARE(s.window->DirTree->count(), nodes);
    QCOMPARE(listedNames(*s.window), QStringList{u"r.txt"_s});
    QCOMPARE(s.window->File1.Path(), u"C:\\"_s);

    // Same name, other path: not the system folder.
    s.click(s.node(u"C:\\\\other"_s));
    s.click(s.node(u"C:\\other\\WINDOWS"_s));
    QCOMPARE(s.window->File1.Path(), u"C:\\other\\WINDOWS"_s);

    // Same path, but the selected node is another one: the text test does not hold.
    s.window->DirTree->setSelectedItem(s.node(u"root67"_s));
    s.window->DirTree_NodeClick(windows);
    QCOMPARE(s.window->File1.Path(), u"C:\\WINDOWS"_s);
    QCOMPARE(s.dialogs.boxes().size(), 1);
}

void FolderTreeTest::removedFolderKeepsListAndRenameTogether()
{
    Started s({u"C:\\keep"_s, u"C:\\gone"_s}, {u"C:\\keep\\k.txt"_s, u"C:\\gone\\g.txt"_s});
    s.click(s.node(u"C:\\\\keep"_s));
    QVERIFY(QDir(s.drives.native(u"C:\\gone"_s)).removeRecursively());
    s.click(s.node(u"C:\\\\gone"_s));
    // The enumerator stayed where it could read, and the list shows just that folder.
    QCOMPARE(s.window->File1.Path(), u"C:\\keep"_s);
    QCOMPARE(s.window->curPath, u"C:\\keep\\"_s);
    QCOMPARE(listedNames(*s.window), QStringList{u"k.txt"_s});
    QCOMPARE(s.node(u"C:\\\\gone"_s)->Children(), 0);
}

void FolderTreeTest::driveNodeClickShowsTheRoot()
{
    Started s({u"C:\\Music"_s}, {u"C:\\Music\\song.mp3"_s, u"D:\\top.txt"_s});
    s.click(s.node(u"C:\\\\Music"_s));
    QCOMPARE(listedNames(*s.window), QStringList{u"song.mp3"_s});
    s.click(s.node(u"root68"_s));
    QCOMPARE(s.window->File1.Path(), u"D:\\"_s);
    QCOMPARE(s.window->curPath, u"D:\\"_s);
    QCOMPARE(listedNames(*s.window), QStringList{u"top.txt"_s});
    s.click(s.node(u"root67"_s));
    QCOMPARE(s.window->File1.Path(), u"C:\\"_s);
    QCOMPARE(listedNames(*s.window), QStringList());
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
    s.window->DirTree->setSelectedItem(c);
    s.window->UpdateFolderIcons();
    QCOMPARE(c->Image(), u"open"_s);
    QCOMPARE(a->Image(), u"folder"_s);
    QCOMPARE(b->Image(), u"open"_s);
    s.window->UpdateFolderIcons();
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
    QVERIFY(s.window->DirTree->count() > 32767);
    TreeNode *lastChild = node->Child()->LastSibling();
    QCOMPARE(lastChild->Text(), u"d32999"_s);
    QCOMPARE(lastChild->Children(), 1);
    QCOMPARE(s.window->pbStatus->Max(), lastChild->Index());
    QCOMPARE(s.window->File1.Path(), u"C:\\big"_s);
}

QTEST_MAIN(FolderTreeTest)
#include "tst_foldertree.moc"
