#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>
#include <memory>
#include <set>
#include <vector>

namespace brindlewick
{

class ImageList;
class NodeTree;

// One node of the folder tree, found by its unique key or by its index (the order in which
// nodes were added, from 1). Nodes are never removed.
class TreeNode
{
public:
    QString Key() const { return key_; }
    QString Text() const;
    qsizetype Index() const { return index_; }

    QString Image() const { return image_; }
    void setImage(const QString &key);
    // Shown instead of the image while the node is expanded; empty for none.
    QString ExpandedImage() const { return expandedImage_; }
    void setExpandedImage(const QString &key);

    qsizetype Children() const;
    TreeNode *Child() const;
    TreeNode *FirstSibling() const;
    TreeNode *LastSibling() const;
    TreeNode *Parent() const;
    // The texts from the top-level node down to this one, joined by "\".
    QString FullPath() const;

    bool Expanded() const;
    // Raises the tree's expand or collapse handler, as the user's expansion does.
    void setExpanded(bool expanded);
    bool Selected() const;
    void setSelected(bool selected);

private:
    friend class NodeTree;
    TreeNode(NodeTree &tree, QTreeWidgetItem *item, QString key, qsizetype index);
    void showImage();

    NodeTree &tree_;
    QTreeWidgetItem *item_;
    QString key_;
    qsizetype index_;
    QString image_;
    QString expandedImage_;
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

    qsizetype count() const { return qsizetype(nodes_.size()); }
    TreeNode *node(qsizetype index) const;
    TreeNode *node(const QString &key) const;

    // The nodes whose image is key, in index order.
    std::vector<TreeNode *> nodesWithImage(const QString &key) const;

    TreeNode *SelectedItem() const;
    void setSelectedItem(TreeNode *node);
    // Collapses without raising the collapse handler.
    void collapseQuietly(TreeNode *node);

Q_SIGNALS:
    void nodeClicked(brindlewick::TreeNode *node);
    void nodeExpanded(brindlewick::TreeNode *node);
    void nodeCollapsed(brindlewick::TreeNode *node);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class TreeNode;
    TreeNode *nodeOf(const QTreeWidgetItem *item) const;
    TreeNode *make(QTreeWidgetItem *item, const NewNode &node);

    const ImageList &images_;
    std::vector<std::unique_ptr<TreeNode>> nodes_;
    QHash<QString, TreeNode *> byKey_;
    QHash<QString, std::set<qsizetype>> byImage_;
    bool quiet_ = false;
};

} // namespace brindlewick
