// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ImageList.h"
#include "window/NodeTree.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace brindlewick;
using namespace Qt::StringLiterals;

namespace
{

NodeTree::NewNode folder(const QString &key, const QString &text)
{
    return {key, text, u"folder"_s, u"open"_s};
}

} // namespace

class NodeTreeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nodesByKeyAndIndex();
    void relatives();
    void existingKeyLeavesTheTreeAsItWas();
    void listedFoldersKeyedByTheirFolder();
    void expandedImageShowsWhileExpanded();
    void expandingFromCodeRaisesTheHandler();
};

void NodeTreeTest::nodesByKeyAndIndex()
{
    const ImageList images(*QApplication::style());
    NodeTree tree(images);
    TreeNode *c = tree.add(nullptr, {u"root67"_s, u"System (C:)"_s, u"fixed"_s, {}});
    tree.addChildren(c, {folder(u"C:\\\\a"_s, u"a"_s), folder(u"C:\\\\b"_s, u"b"_s)});
    TreeNode *d = tree.add(nullptr, {u"root68"_s, u" (D:)"_s, u"fixed"_s, {}});
    TreeNode *deep = tree.add(tree.node(u"C:\\\\a"_s), folder(u"C:\\a\\x"_s, u"x"_s));

    QCOMPARE(tree.count(), 5);
    QCOMPARE(tree.node(1), c);
    QCOMPARE(tree.node(2)->Key(), u"C:\\\\a"_s);
    QCOMPARE(tree.node(3)->Text(), u"b"_s);
    QCOMPARE(tree.node(4), d);
    QCOMPARE(tree.node(5), deep);
    QCOMPARE(deep->Index(), 5);
    QCOMPARE(tree.node(u"root68"_s), d);
    QCOMPARE(tree.node(0), nullptr);
    QCOMPARE(tree.node(6), nullptr);
    QCOMPARE(tree.node(u"nonesuch"_s), nullptr);
    QCOMPARE(deep->FullPath(), u"System (C:)\\a\\x"_s);
    QCOMPARE(d->FullPath(), u" (D:)"_s);
    QCOMPARE(tree.topLevelItemCount(), 2);
}

void NodeTreeTest::relatives()
{
    const ImageList images(*QApplication::style());
    NodeTree tree(images);
    TreeNode *c = tree.add(nullptr, {u"root67"_s, u"C"_s, u"fixed"_s, {}});
    TreeNode *d = tree.add(nullptr, {u"root68"_s, u"D"_s, u"fixed"_s, {}});
    tree.addChildren(
        c, {folder(u"1"_s, u"one"_s), folder(u"2"_s, u"two"_s), folder(u"3"_s, u"three"_s)});
    TreeNode *two = tree.node(u"2"_s);

    QCOMPARE(c->Children(), 3);
    QCOMPARE(c->Child(), tree.node(u"1"_s));
    QCOMPARE(two->FirstSibling(), tree.node(u"1"_s));
    QCOMPARE(two->LastSibling(), tree.node(u"3"_s));
    QCOMPARE(two->Parent(), c);
    QCOMPARE(c->Parent(), nullptr);
    QCOMPARE(d->Child(), nullptr);
    QCOMPARE(d->Children(), 0);
    QCOMPARE(d->FirstSibling(), c);
    QCOMPARE(c->LastSibling(), d);

    QCOMPARE(tree.SelectedItem(), nullptr);
    two->setSelected(true);
    QCOMPARE(tree.SelectedItem(), two);
    QVERIFY(two->Selected());
    tree.setSelectedItem(d);
    QCOMPARE(tree.SelectedItem(), d);
    QVERIFY(!two->Selected());
}

void NodeTreeTest::existingKeyLeavesTheTreeAsItWas()
{
    const ImageList images(*QApplication::style());
    NodeTree tree(images);
    TreeNode *c = tree.add(nullptr, {u"root67"_s, u"C"_s, u"fixed"_s, {}});
    tree.addChildren(c, {folder(u"k1"_s, u"one"_s)});

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, tree.add(c, folder(u"k1"_s, u"again"_s)));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             tree.add(nullptr, {u"root67"_s, u"C again"_s, u"fixed"_s, {}}));
    QCOMPARE(tree.count(), 2);
    QCOMPARE(c->Children(), 1);
    QCOMPARE(tree.node(u"k1"_s)->Text(), u"one"_s);

    // In a batch the existing keys are left out and the others added, in order.
    QCOMPARE(tree.addChildren(c, {folder(u"k0"_s, u"zero"_s), folder(u"k1"_s, u"dup"_s),
                                  folder(u"k2"_s, u"two"_s)}),
             2);
    QCOMPARE(c->Children(), 3);
    QCOMPARE(tree.node(2)->Text(), u"one"_s);
    QCOMPARE(tree.node(3)->Text(), u"zero"_s);
    QCOMPARE(tree.node(4)->Text(), u"two"_s);
}

void NodeTreeTest::listedFoldersKeyedByTheirFolder()
{
    const ImageList images(*QApplication::style());
    NodeTree tree(images);
    TreeNode *c = tree.add(nullptr, {u"root67"_s, u"C"_s, u"fixed"_s, {}});
    tree.add(c, folder(u"C:\\\\x"_s, u"x"_s));
    const auto list = [&](TreeNode *parent, const QString &head, const QStringList &names) {
        return tree.addChildren(parent, head, names, u"folder"_s, u"open"_s);
    };

    // Keys taken by nodes added one by one count as much as those of earlier listings.
    QCOMPARE(list(c, u"C:\\\\"_s, {u"a"_s, u"x"_s, u"b\\c"_s}), 2);
    QCOMPARE(list(c, u"C:\\\\"_s, {u"a"_s, u"b\\c"_s}), 0);
    TreeNode *a = tree.node(u"C:\\\\a"_s);
    QVERIFY(a);
    QCOMPARE(a->Key(), u"C:\\\\a"_s);
    QCOMPARE(a->Text(), u"a"_s);
    QCOMPARE(a->Image(), u"folder"_s);
    QCOMPARE(a->ExpandedImage(), u"open"_s);
    QCOMPARE(tree.node(u"C:\\\\b\\c"_s)->Text(), u"b\\c"_s);
    QCOMPARE(c->Children(), 3);

    QCOMPARE(list(a, u"C:\\a\\"_s, {u"p"_s, u"q"_s}), 2);
    QCOMPARE(tree.node(u"C:\\a\\q"_s)->Parent(), a);
    QCOMPARE(tree.node(u"C:\\a\\q"_s)->Index(), tree.count());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, tree.add(a, folder(u"C:\\a\\p"_s, u"p"_s)));

    QVERIFY(c->keyStartsWith(u"root"));
    QVERIFY(!a->keyStartsWith(u"root"));
    QVERIFY(a->keyStartsWith(u"C:\\\\a"));
    QVERIFY(!a->keyStartsWith(u"C:\\\\ab"));
}

void NodeTreeTest::expandedImageShowsWhileExpanded()
{
    const ImageList images(*QApplication::style());
    NodeTree tree(images);
    TreeNode *c = tree.add(nullptr, {u"root67"_s, u"C"_s, u"fixed"_s, {}});
    tree.addChildren(c, {folder(u"a"_s, u"a"_s)});
    TreeNode *a = tree.node(u"a"_s);
    tree.addChildren(a, {folder(u"a\\x"_s, u"x"_s)});
    // Nodes are the tree's items, whether or not their parent has shown them yet.
    const QTreeWidgetItem *cItem = c;
    const QTreeWidgetItem *aItem = a;
    const auto shows = [&](const QTreeWidgetItem *item, const QString &key) {
        return item->icon(0).cacheKey() == images.icon(key).cacheKey();
    };

    QVERIFY(shows(aItem, u"folder"_s));
    QCOMPARE(c->childCount(), 0); // not in the widget until c opens
    QCOMPARE(c->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    c->setExpanded(true);
    QCOMPARE(c->child(0), a);
    a->setExpanded(true);
    QVERIFY(shows(aItem, u"open"_s));
    QVERIFY(shows(cItem, u"fixed"_s)); // no expanded image: its own stays
    a->setExpanded(false);
    QVERIFY(shows(aItem, u"folder"_s));
    a->setImage(u"open"_s);
    QVERIFY(shows(aItem, u"open"_s));
    QCOMPARE(tree.nodesWithImage(u"open"_s), std::vector<TreeNode *>{a});
    QCOMPARE(tree.nodesWithImage(u"folder"_s), std::vector<TreeNode *>{tree.node(3)});
}

void NodeTreeTest::expandingFromCodeRaisesTheHandler()
{
    const ImageList images(*QApplication::style());
    NodeTree tree(images);
    TreeNode *c = tree.add(nullptr, {u"root67"_s, u"C"_s, u"fixed"_s, {}});
    tree.addChildren(c, {folder(u"a"_s, u"a"_s)});
    TreeNode *leaf = tree.node(u"a"_s);

    QList<QString> heard;
    connect(&tree, &NodeTree::nodeExpanded, this, [&](TreeNode *node) {
        heard.append(u"expand "_s + node->Text());
        if (node == c)
            leaf->setExpanded(true); // nested, inside the first handler
        heard.append(u"end "_s + node->Text());
    });
    connect(&tree, &NodeTree::nodeCollapsed, this,
            [&](TreeNode *node) { heard.append(u"collapse "_s + node->Text()); });

    c->setExpanded(true);
    QCOMPARE(heard, (QList<QString>{u"expand C"_s, u"expand a"_s, u"end a"_s, u"end C"_s}));
    QVERIFY(c->Expanded());

    heard.clear();
    c->setExpanded(true); // already expanded: nothing to raise
    tree.collapseQuietly(c);
    QVERIFY(!c->Expanded());
    QVERIFY(heard.isEmpty());
    c->setExpanded(false);
    c->setExpanded(true);
    c->setExpanded(false);
    QCOMPARE(heard, (QList<QString>{u"expand C"_s, u"end C"_s, u"collapse C"_s}));
}

QTEST_MAIN(NodeTreeTest)
#include "tst_nodetree.moc"
