// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QHash>
#include <QSet>
#include <QString>
#include <QTreeWidget>
#include <QVarLengthArray>
#include <array>
#include <optional>
#include <set>
#include <vector>

class QFontMetricsF;

namespace brindlewick
{

class ImageList;
class NodeTree;

// One node of the folder tree, found by its unique key or by its index (the order in which
// nodes were added, from 1). Nodes are never removed. It is its own tree item, drawing its text
// and image from its own fields: a folder may bring thousands of nodes at once. A node's
// children join the widget when it is first expanded or one of them is selected; until then
// they are nodes all the same, and the node shows that it can be expanded.
class TreeNode final : public QTreeWidgetItem
{
public:
    QString Key() const;
    bool keyStartsWith(QStringView prefix) const;
    QString Text() const { return text_; }
    qsizetype Index() const { return index_; }

    QString Image() const { return image_; }
    void setImage(const QString &key);
    // Shown instead of the image while the node is expanded; empty for none.
    QString ExpandedImage() const { return expandedImage_; }

    qsizetype Children() const { return qsizetype(children_.size()); }
    TreeNode *Child() const;
    TreeNode *FirstSibling() const;
    TreeNode *LastSibling() const;
    TreeNode *Parent() const;
    // The texts from the top-level node down to this one, joined by "\".
    QString FullPath() const;
    using PathBuffer = QVarLengthArray<QChar, 256>;
    // The same, into a buffer that is mostly on the stack.
    void writeFullPath(PathBuffer &path) const;

    // A link back to its own folder or to one above: it never gets subfolders of its own.
    bool leadsBack() const { return leadsBack_; }

    bool Expanded() const { return isExpanded(); }
    // Raises the tree's expand or collapse handler, as the user's expansion does.
    void setExpanded(bool expanded);
    bool Selected() const { return isSelected(); }
    void setSelected(bool selected);

    QVariant data(int column, int role) const override;

private:
    friend class NodeTree;
    // keyTail is null when it is the text.
    TreeNode(NodeTree &tree, qsizetype keyHead, const QString *keyTail, const QString &text,
             const QString &image, const QString &expandedImage, qsizetype index);
    const QString &keyHead() const;
    const QString &keyTail() const { return keyTailIsText_ ? text_ : keyTail_; }

    NodeTree &tree_;
    // The key is split after its last "\": the head is shared by the nodes of one folder and
    // kept by the tree; the rest is mostly the node's text.
    qsizetype keyHead_;
    QString keyTail_;
    bool keyTailIsText_;
    QString text_;
    QString image_;
    QString expandedImage_;
    qsizetype index_;
    TreeNode *parent_ = nullptr;
    std::vector<TreeNode *> children_;
    bool inWidget_ = false;
    bool childrenInWidget_ = false;
    bool leadsBack_ = false;
};

// The folder tree: Qt's tree widget with nodes found by key and by index in constant time.
class NodeTree : public QTreeWidget
{
    Q_OBJECT
public:
    NodeTree(const ImageList &images, QWidget *parent = nullptr);
    ~NodeTree() override;

    struct NewNode {
        QString key;
        QString text;
        QString image;
        QString expandedImage;
    };

    // A top-level node when relative is null, otherwise relative's last child. Throws when the
    // key exists already or the relative is not a node of this tree; the tree is unchanged.
    TreeNode *add(TreeNode *relative, const NewNode &node);
    // Children added in one batch, which large folders need. A node whose key exists already
    // is left out; returns how many were added.
    qsizetype addChildren(TreeNode *parent, const std::vector<NewNode> &nodes);
    // The subfolders of one folder, each keyed keyHead followed by its name and showing its
    // name. The names are distinct, as one folder's listing gives them; those also in
    // leadingBack are marked as leading back.
    qsizetype addChildren(TreeNode *parent, const QString &keyHead, const QStringList &names,
                          const QString &image, const QString &expandedImage,
                          const QStringList &leadingBack = {});

    qsizetype count() const { return qsizetype(nodes_.size()); }
    TreeNode *node(qsizetype index) const;
    TreeNode *node(const QString &key) const;

    // Keeps track of the nodes showing image key, for nodesWithImage.
    void watchImage(const QString &key);
    // The nodes whose image is a watched key, in index order.
    std::vector<TreeNode *> nodesWithImage(const QString &key) const;

    TreeNode *SelectedItem() const;
    void setSelectedItem(TreeNode *node);
    // Collapses without raising the collapse handler.
    void collapseQuietly(TreeNode *node);

    // Sideways, Qt brings the start of the one column into view, which deep down leaves the
    // row blank: the node's own start is brought into view as well.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    void nodeClicked(brindlewick::TreeNode *node);
    void nodeExpanded(brindlewick::TreeNode *node);
    void nodeCollapsed(brindlewick::TreeNode *node);

protected:
    // Keys that expand go the way a click on the expander goes: one level, through the
    // program's handler, which has the last word on the selection. Qt's "*" would expand
    // everything below, which through links back to a folder above never ends.
    // Space does nothing here: Qt's would search for " ", the start of an unlabelled drive.
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The new current node comes into view by mouse too, where Qt scrolls only for the others.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    friend class TreeNode;
    static TreeNode *nodeOf(QTreeWidgetItem *item) { return static_cast<TreeNode *>(item); }
    qsizetype keyHeadIndex(const QString &keyHead);
    TreeNode *make(TreeNode *parent, qsizetype keyHead, const QString *keyTail, const QString &text,
                   const QString &image, const QString &expandedImage);
    // Puts new children into the widget when their parent shows its children already.
    qsizetype attach(TreeNode *parent, const QList<QTreeWidgetItem *> &items);
    // Makes the node unless its key is taken; null then.
    TreeNode *makeUnique(TreeNode *parent, const NewNode &node);
    bool contains(const QString &keyHead, const QString &keyTail) const;
    void indexKeys() const;
    // Puts node's children into the widget, and those of all nodes above it.
    void showChildren(TreeNode *node);
    void showNode(TreeNode *node);
    // The one column is as wide as the widest name shown, at least as wide as the view: no
    // name is cut off, and the tree scrolls sideways where they are wider.
    void widenFor(const TreeNode *parent, const QList<QTreeWidgetItem *> &items);
    // At least the width name takes in the tree's font, and never more than a little above.
    int nameWidth(const QFontMetricsF &metrics, const QString &name);
    void fitColumn();
    // Scrolls sideways as little as shows the node's expander, image and name, or as much of
    // them as fits.
    void revealStart(const QModelIndex &index);
    void imageChanged(TreeNode *node, const QString &from, const QString &to);
    const std::set<qsizetype> *watched(const QString &key) const;
    std::set<qsizetype> *watched(const QString &key);

    const ImageList &images_;
    std::vector<TreeNode *> nodes_; // owned by the widget once in it
    std::vector<TreeNode *> topLevel_;
    // A folder's subfolders share their keys' head, so a batch adds one head here instead of
    // a key per node. No key with a new head can be taken; the index of whole keys is brought
    // up to date only when one is looked up. Hashes suffice: a head whose hash is known
    // already is only checked key by key.
    QSet<size_t> keyHeadHashes_;
    std::vector<QString> keyHeads_;
    mutable QHash<QString, TreeNode *> byKey_;
    mutable qsizetype keysIndexed_ = 0;
    std::vector<std::pair<QString, std::set<qsizetype>>> watched_;
    bool quiet_ = false;
    // Where the last key took the current node before its handler moved it elsewhere (a refused
    // folder): the next move by key goes on from there, or the user could never get past it.
    // Any other change of the current node forgets it.
    TreeNode *overruledMove_ = nullptr;
    int contentWidth_ = 0;
    // The advances of the printable ASCII characters in advancesFont_, measured as first met;
    // below zero until then.
    std::optional<QFont> advancesFont_;
    std::array<qreal, 0x7f - 0x20> asciiAdvances_{};
    qreal kerningSlack_ = 0;
};

} // namespace brindlewick
