#include "browsing/NodeTree.h"

#include "window/ImageList.h"

#include <QKeyEvent>
#include <QScopeGuard>
#include <stdexcept>

namespace brindlewick
{

namespace
{
constexpr int indexRole = Qt::UserRole;
}

TreeNode::TreeNode(NodeTree &tree, QTreeWidgetItem *item, QString key, qsizetype index)
    : tree_(tree), item_(item), key_(std::move(key)), index_(index)
{
}

QString TreeNode::Text() const
{
    return item_->text(0);
}

void TreeNode::setImage(const QString &key)
{
    tree_.byImage_[image_].erase(index_);
    tree_.byImage_[key].insert(index_);
    image_ = key;
    showImage();
}

void TreeNode::setExpandedImage(const QString &key)
{
    expandedImage_ = key;
    showImage();
}

void TreeNode::showImage()
{
    const QString &shown =
        item_->isExpanded() && !expandedImage_.isEmpty() ? expandedImage_ : image_;
    item_->setIcon(0, tree_.images_.icon(shown));
}

qsizetype TreeNode::Children() const
{
    return item_->childCount();
}

TreeNode *TreeNode::Child() const
{
    return item_->childCount() > 0 ? tree_.nodeOf(item_->child(0)) : nullptr;
}

TreeNode *TreeNode::FirstSibling() const
{
    const QTreeWidgetItem *parent = item_->parent();
    return tree_.nodeOf(parent ? parent->child(0) : tree_.topLevelItem(0));
}

TreeNode *TreeNode::LastSibling() const
{
    const QTreeWidgetItem *parent = item_->parent();
    return tree_.nodeOf(parent ? parent->child(parent->childCount() - 1)
                               : tree_.topLevelItem(tree_.topLevelItemCount() - 1));
}

TreeNode *TreeNode::Parent() const
{
    return item_->parent() ? tree_.nodeOf(item_->parent()) : nullptr;
}

QString TreeNode::FullPath() const
{
    QStringList texts;
    for (const QTreeWidgetItem *item = item_; item; item = item->parent())
        texts.prepend(item->text(0));
    return texts.join(u'\\');
}

bool TreeNode::Expanded() const
{
    return item_->isExpanded();
}

void TreeNode::setExpanded(bool expanded)
{
    item_->setExpanded(expanded);
}

bool TreeNode::Selected() const
{
    return item_->isSelected();
}

void TreeNode::setSelected(bool selected)
{
    if (selected)
        tree_.setCurrentItem(item_);
    else
        item_->setSelected(false);
}

NodeTree::NodeTree(const ImageList &images, QWidget *parent) : QTreeWidget(parent), images_(images)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setExpandsOnDoubleClick(true);

    // The image shown follows the expansion before the program hears of it.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        TreeNode *expanded = nodeOf(item);
        expanded->showImage();
        Q_EMIT nodeExpanded(expanded);
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        TreeNode *collapsed = nodeOf(item);
        collapsed->showImage();
        if (!quiet_)
            Q_EMIT nodeCollapsed(collapsed);
    });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { Q_EMIT nodeClicked(nodeOf(item)); });
}

NodeTree::~NodeTree() = default;

TreeNode *NodeTree::nodeOf(const QTreeWidgetItem *item) const
{
    return item ? node(item->data(0, indexRole).value<qsizetype>()) : nullptr;
}

TreeNode *NodeTree::make(QTreeWidgetItem *item, const NewNode &node)
{
    const qsizetype index = count() + 1;
    item->setText(0, node.text);
    item->setData(0, indexRole, QVariant::fromValue(index));
    nodes_.push_back(std::unique_ptr<TreeNode>(new TreeNode(*this, item, node.key, index)));
    TreeNode *made = nodes_.back().get();
    made->image_ = node.image;
    byImage_[node.image].insert(index);
    made->expandedImage_ = node.expandedImage;
    made->showImage();
    byKey_.insert(node.key, made);
    return made;
}

TreeNode *NodeTree::add(TreeNode *relative, const NewNode &node)
{
    if (byKey_.contains(node.key))
        throw std::invalid_argument("Key is not unique in the tree");
    if (relative && (relative->Index() > count() || this->node(relative->Index()) != relative))
        throw std::invalid_argument("Relative is not a node of the tree");
    auto *item = new QTreeWidgetItem;
    TreeNode *made = make(item, node);
    if (relative)
        relative->item_->addChild(item);
    else
        addTopLevelItem(item);
    return made;
}

qsizetype NodeTree::addChildren(TreeNode *parent, const std::vector<NewNode> &nodes)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(nodes.size()));
    for (const NewNode &node : nodes) {
        if (byKey_.contains(node.key))
            continue;
        auto *item = new QTreeWidgetItem;
        make(item, node);
        items.append(item);
    }
    if (parent)
        parent->item_->addChildren(items);
    else
        addTopLevelItems(items);
    return items.size();
}

TreeNode *NodeTree::node(qsizetype index) const
{
    return index >= 1 && index <= count() ? nodes_[std::size_t(index - 1)].get() : nullptr;
}

TreeNode *NodeTree::node(const QString &key) const
{
    return byKey_.value(key, nullptr);
}

std::vector<TreeNode *> NodeTree::nodesWithImage(const QString &key) const
{
    std::vector<TreeNode *> result;
    const auto found = byImage_.constFind(key);
    if (found != byImage_.cend()) {
        for (const qsizetype index : *found)
            result.push_back(node(index));
    }
    return result;
}

TreeNode *NodeTree::SelectedItem() const
{
    QTreeWidgetItem *current = currentItem();
    return current && current->isSelected() ? nodeOf(current) : nullptr;
}

void NodeTree::setSelectedItem(TreeNode *node)
{
    if (node)
        setCurrentItem(node->item_);
}

void NodeTree::collapseQuietly(TreeNode *node)
{
    quiet_ = true;
    const auto loud = qScopeGuard([this] { quiet_ = false; });
    node->item_->setExpanded(false);
}

// Moving with the keys picks a folder as a click does.
void NodeTree::keyPressEvent(QKeyEvent *event)
{
    QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem *after = currentItem();
    if (after && after != before)
        Q_EMIT nodeClicked(nodeOf(after));
}

} // namespace brindlewick
