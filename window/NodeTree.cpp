// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/NodeTree.h"

#include "browsing/TreeText.h"
#include "window/ImageList.h"
#include "window/NameDelegate.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QtMath>
#include <stdexcept>
#include <utility>

namespace brindlewick
{

namespace
{

// Splits a key after its last "\", so that the keys of one folder's subfolders share a head.
std::pair<QString, QString> splitKey(const QString &key)
{
    const qsizetype tail = key.lastIndexOf(u'\\') + 1;
    return {key.first(tail), key.sliced(tail)};
}

bool movesCurrent(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

TreeNode::TreeNode(NodeTree &tree, qsizetype keyHead, const QString *keyTail, const QString &text,
                   const QString &image, const QString &expandedImage, qsizetype index)
    : tree_(tree), keyHead_(keyHead), keyTail_(keyTail ? *keyTail : QString()),
      keyTailIsText_(!keyTail), text_(text), image_(image), expandedImage_(expandedImage),
      index_(index)
{
}

QString TreeNode::Key() const
{
    return keyHead() + keyTail();
}

const QString &TreeNode::keyHead() const
{
    return tree_.keyHeads_[std::size_t(keyHead_)];
}

bool TreeNode::keyStartsWith(QStringView prefix) const
{
    const QString &head = keyHead();
    if (head.size() >= prefix.size())
        return head.startsWith(prefix);
    return prefix.startsWith(head) && keyTail().startsWith(prefix.sliced(head.size()));
}

QVariant TreeNode::data(int column, int role) const
{
    if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
        return text_;
    if (column == 0 && role == Qt::ToolTipRole) {
        // Where the user is, in the form the program speaks of folders.
        const QString folder = folderPathOf(FullPath()).value_or(QString());
        return folder.endsWith(u':') ? folder + u'\\' : folder;
    }
    if (column == 0 && role == Qt::DecorationRole) {
        const bool open = isExpanded() && !expandedImage_.isEmpty();
        return tree_.images_.icon(open ? expandedImage_ : image_);
    }
    return QTreeWidgetItem::data(column, role);
}

void TreeNode::setImage(const QString &key)
{
    tree_.imageChanged(this, image_, key);
    image_ = key;
    emitDataChanged();
}

TreeNode *TreeNode::Child() const
{
    return children_.empty() ? nullptr : children_.front();
}

TreeNode *TreeNode::FirstSibling() const
{
    return parent_ ? parent_->children_.front() : tree_.topLevel_.front();
}

TreeNode *TreeNode::LastSibling() const
{
    return parent_ ? parent_->children_.back() : tree_.topLevel_.back();
}

TreeNode *TreeNode::Parent() const
{
    return parent_;
}

void TreeNode::setExpanded(bool expanded)
{
    if (expanded)
        tree_.showChildren(this);
    QTreeWidgetItem::setExpanded(expanded);
}

QString TreeNode::FullPath() const
{
    PathBuffer path;
    writeFullPath(path);
    return QString(path.constData(), path.size());
}

void TreeNode::writeFullPath(PathBuffer &path) const
{
    if (parent_) {
        parent_->writeFullPath(path);
        path.append(u'\\');
    }
    path.append(text_.constData(), text_.size());
}

void TreeNode::setSelected(bool selected)
{
    if (selected)
        tree_.setSelectedItem(this);
    else
        QTreeWidgetItem::setSelected(false);
}

NodeTree::NodeTree(const ImageList &images, QWidget *parent) : QTreeWidget(parent), images_(images)
{
    setColumnCount(1);
    setItemDelegate(new NameDelegate(this));
    setHeaderHidden(true);
    // Qt still lists a hidden header to screen readers, under the name "1": leave it none.
    setHeaderLabel(QString());
    // Deep folders keep their whole names: the tree scrolls sideways instead of cutting them.
    header()->setStretchLastSection(false);
    setColumnWidth(0, viewport()->width());
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setExpandsOnDoubleClick(true);

    // The image shown follows the expansion before the program hears of it.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        TreeNode *expanded = nodeOf(item);
        showChildren(expanded);
        expanded->emitDataChanged();
        Q_EMIT nodeExpanded(expanded);
        // The new children come into view as far as they fit, the node itself staying in view:
        // once the tree has laid them out, which it does anyway before it paints them.
        QTimer::singleShot(0, this, [this, expanded] {
            if (expanded->isExpanded() && expanded->childCount() > 0) {
                // Not scrollToItem, which passes by this tree's scrollTo.
                scrollTo(indexFromItem(expanded->child(expanded->childCount() - 1)));
                scrollTo(indexFromItem(expanded));
            }
        });
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        overruledMove_ = nullptr; // it may be hidden now
        TreeNode *collapsed = nodeOf(item);
        collapsed->emitDataChanged();
        if (!quiet_)
            Q_EMIT nodeCollapsed(collapsed);
    });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { Q_EMIT nodeClicked(nodeOf(item)); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this] { overruledMove_ = nullptr; });
}

NodeTree::~NodeTree()
{
    for (TreeNode *node : nodes_) {
        if (!node->inWidget_)
            delete node;
    }
}

qsizetype NodeTree::keyHeadIndex(const QString &keyHead)
{
    if (keyHeads_.empty() || keyHeads_.back() != keyHead)
        keyHeads_.push_back(keyHead);
    return qsizetype(keyHeads_.size()) - 1;
}

TreeNode *NodeTree::make(TreeNode *parent, qsizetype keyHead, const QString *keyTail,
                         const QString &text, const QString &image, const QString &expandedImage)
{
    auto *made = new TreeNode(*this, keyHead, keyTail, text, image, expandedImage, count() + 1);
    made->parent_ = parent;
    (parent ? parent->children_ : topLevel_).push_back(made);
    nodes_.push_back(made);
    imageChanged(made, {}, image);
    return made;
}

TreeNode *NodeTree::makeUnique(TreeNode *parent, const NewNode &node)
{
    const auto [head, tail] = splitKey(node.key);
    if (contains(head, tail))
        return nullptr;
    keyHeadHashes_.insert(qHash(head));
    const QString *keyTail = tail == node.text ? nullptr : &tail;
    return make(parent, keyHeadIndex(head), keyTail, node.text, node.image, node.expandedImage);
}

bool NodeTree::contains(const QString &keyHead, const QString &keyTail) const
{
    if (!keyHeadHashes_.contains(qHash(keyHead)))
        return false;
    indexKeys();
    return byKey_.contains(keyHead + keyTail);
}

void NodeTree::indexKeys() const
{
    for (; keysIndexed_ < count(); ++keysIndexed_) {
        const TreeNode *node = nodes_[std::size_t(keysIndexed_)];
        byKey_.insert(node->Key(), const_cast<TreeNode *>(node));
    }
}

const std::set<qsizetype> *NodeTree::watched(const QString &key) const
{
    // Few keys are watched: comparing with each beats hashing the key for every new node.
    for (const auto &[watchedKey, indexes] : watched_) {
        if (watchedKey == key)
            return &indexes;
    }
    return nullptr;
}

std::set<qsizetype> *NodeTree::watched(const QString &key)
{
    return const_cast<std::set<qsizetype> *>(std::as_const(*this).watched(key));
}

void NodeTree::imageChanged(TreeNode *node, const QString &from, const QString &to)
{
    if (std::set<qsizetype> *indexes = from.isEmpty() ? nullptr : watched(from))
        indexes->erase(node->Index());
    if (std::set<qsizetype> *indexes = watched(to))
        indexes->insert(node->Index());
}

TreeNode *NodeTree::add(TreeNode *relative, const NewNode &node)
{
    if (relative && this->node(relative->Index()) != relative)
        throw std::invalid_argument("Relative is not a node of the tree");
    const qsizetype before = relative ? relative->Children() : 0;
    TreeNode *made = makeUnique(relative, node);
    if (!made)
        throw std::invalid_argument("Key is not unique in the tree");
    if (!relative) {
        made->inWidget_ = true;
        addTopLevelItem(made);
        widenFor(nullptr, {made});
    } else if (relative->childrenInWidget_) {
        made->inWidget_ = true;
        relative->addChild(made);
        widenFor(relative, {made});
    } else if (before == 0) {
        relative->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    return made;
}

qsizetype NodeTree::addChildren(TreeNode *parent, const std::vector<NewNode> &nodes)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(nodes.size()));
    for (const NewNode &node : nodes) {
        if (TreeNode *made = makeUnique(parent, node))
            items.append(made);
    }
    return attach(parent, items);
}

qsizetype NodeTree::addChildren(TreeNode *parent, const QString &keyHead, const QStringList &names,
                                const QString &image, const QString &expandedImage,
                                const QStringList &leadingBack)
{
    Q_ASSERT(QSet<QString>(names.begin(), names.end()).size() == names.size());
    if (names.isEmpty())
        return 0;
    // Recording the head first tells whether it is new for the price of one look-up.
    const bool canonicalHead = keyHead.isEmpty() || keyHead.endsWith(u'\\');
    const qsizetype headsBefore = keyHeadHashes_.size();
    if (canonicalHead)
        keyHeadHashes_.insert(qHash(keyHead));
    const bool newHead = keyHeadHashes_.size() > headsBefore;
    QList<QTreeWidgetItem *> items;
    items.reserve(names.size());
    if (parent && parent->children_.empty())
        parent->children_.reserve(std::size_t(names.size()));
    const qsizetype head = newHead ? keyHeadIndex(keyHead) : -1;
    for (const QString &name : names) {
        TreeNode *made = newHead && !name.contains(u'\\')
                             ? make(parent, head, nullptr, name, image, expandedImage)
                             : makeUnique(parent, {keyHead + name, name, image, expandedImage});
        if (made) {
            made->leadsBack_ = !leadingBack.isEmpty() && leadingBack.contains(name);
            items.append(made);
        }
    }
    return attach(parent, items);
}

qsizetype NodeTree::attach(TreeNode *parent, const QList<QTreeWidgetItem *> &items)
{
    if (!parent || parent->childrenInWidget_) {
        for (QTreeWidgetItem *item : std::as_const(items))
            nodeOf(item)->inWidget_ = true;
        if (parent)
            parent->addChildren(items);
        else
            addTopLevelItems(items);
        widenFor(parent, items);
    } else if (!items.isEmpty()) {
        parent->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    return items.size();
}

void NodeTree::showChildren(TreeNode *node)
{
    if (node->childrenInWidget_)
        return;
    showNode(node);
    node->childrenInWidget_ = true;
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(node->children_.size()));
    for (TreeNode *child : node->children_) {
        child->inWidget_ = true;
        items.append(child);
    }
    node->addChildren(items);
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    widenFor(node, items);
}

void NodeTree::widenFor(const TreeNode *parent, const QList<QTreeWidgetItem *> &items)
{
    int depth = rootIsDecorated() ? 1 : 0;
    for (const TreeNode *above = parent; above; above = above->parent_)
        ++depth;
    const QFontMetricsF metrics(font());
    if (advancesFont_ != font()) {
        advancesFont_ = font();
        asciiAdvances_.fill(-1);
        kerningSlack_ = metrics.averageCharWidth() / 2;
    }
    int widest = 0;
    for (QTreeWidgetItem *item : items)
        widest = std::max(widest, nameWidth(metrics, nodeOf(item)->Text()));
    const int icon = iconSize().isValid()
                         ? iconSize().width()
                         : style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    contentWidth_ = std::max(contentWidth_, depth * indentation() + icon + 4 * margin + widest);
    fitColumn();
}

int NodeTree::nameWidth(const QFontMetricsF &metrics, const QString &name)
{
    // Shaping a name to measure it costs more than listing its folder, and an expansion shows a
    // thousand names at once. Plain ASCII names, nearly all of them, add up their characters'
    // advances instead; the slack is for kerning, which may set two letters a little apart.
    qreal width = 0;
    for (const QChar c : name) {
        const char16_t unit = c.unicode();
        if (unit < 0x20 || unit >= 0x7f)
            return qCeil(metrics.horizontalAdvance(name));
        qreal &advance = asciiAdvances_[unit - 0x20];
        if (advance < 0)
            advance = metrics.horizontalAdvance(c);
        width += advance;
    }
    return qCeil(width + kerningSlack_);
}

void NodeTree::fitColumn()
{
    const int width = std::max(contentWidth_, viewport()->width());
    if (columnWidth(0) != width)
        setColumnWidth(0, width);
}

void NodeTree::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QTreeWidget::scrollTo(index, hint);
    revealStart(index);
}

void NodeTree::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeWidget::currentChanged(current, previous);
    // Only sideways: a row moved under the mouse between press and release is no click.
    if (current.isValid() && isVisible())
        revealStart(current);
}

void NodeTree::revealStart(const QModelIndex &index)
{
    const QRect cell = visualRect(index); // from the image on
    if (!cell.isValid())
        return;
    // Measured from where a line of the tree begins: its right edge in a right-to-left window,
    // whose scroll bar counts from there too.
    const int width = viewport()->width();
    const int leading = isRightToLeft() ? width - 1 - cell.right() : cell.left();
    const int start = leading - indentation();
    const int end = leading + sizeHintForIndex(index).width();
    QScrollBar *sideways = horizontalScrollBar();
    if (start < 0 || end - start > width)
        sideways->setValue(sideways->value() + start);
    else if (end > width)
        sideways->setValue(sideways->value() + end - width);
}

void NodeTree::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    fitColumn();
}

void NodeTree::showNode(TreeNode *node)
{
    if (!node->inWidget_ && node->parent_)
        showChildren(node->parent_);
}

TreeNode *NodeTree::node(qsizetype index) const
{
    return index >= 1 && index <= count() ? nodes_[std::size_t(index - 1)] : nullptr;
}

TreeNode *NodeTree::node(const QString &key) const
{
    indexKeys();
    return byKey_.value(key, nullptr);
}

void NodeTree::watchImage(const QString &key)
{
    if (watched(key))
        return;
    std::set<qsizetype> indexes;
    for (const TreeNode *node : nodes_) {
        if (node->Image() == key)
            indexes.insert(node->Index());
    }
    watched_.emplace_back(key, std::move(indexes));
}

std::vector<TreeNode *> NodeTree::nodesWithImage(const QString &key) const
{
    std::vector<TreeNode *> result;
    if (const std::set<qsizetype> *indexes = watched(key)) {
        for (const qsizetype index : *indexes)
            result.push_back(node(index));
    } else {
        for (TreeNode *node : nodes_) {
            if (node->Image() == key)
                result.push_back(node);
        }
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
    if (node) {
        showNode(node);
        setCurrentItem(node);
    }
}

void NodeTree::collapseQuietly(TreeNode *node)
{
    quiet_ = true;
    const auto loud = qScopeGuard([this] { quiet_ = false; });
    node->QTreeWidgetItem::setExpanded(false);
}

// Moving with the keys picks a folder as a click does.
void NodeTree::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // The current node is always the selected one: Space has nothing to select.
    if (key == Qt::Key_Space) {
        event->accept();
        return;
    }
    // A box the key led to took the keyboard, and the window manager may not give it back.
    const auto keyboardStays = qScopeGuard([this, hadFocus = hasFocus()] {
        if (hadFocus && !isActiveWindow())
            activateWindow();
    });
    QTreeWidgetItem *const shown = currentItem();
    // Qt moves from the current node: made current without a selection, the overruled one is
    // where this key starts.
    TreeNode *const from = movesCurrent(key) ? std::exchange(overruledMove_, nullptr) : nullptr;
    if (from)
        selectionModel()->setCurrentIndex(indexFromItem(from), QItemSelectionModel::NoUpdate);

    QTreeWidgetItem *before = currentItem();
    TreeNode *reached = nullptr; // where the key took the current node
    bool handled = false;
    const Qt::Key intoChildren = isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
    if (before && (key == Qt::Key_Asterisk || key == Qt::Key_Plus || key == intoChildren)) {
        TreeNode *node = nodeOf(before);
        if (!node->Expanded() && node->Children() > 0) {
            reached = node;
            node->setExpanded(true);
            handled = true;
        } else {
            handled = key != intoChildren; // already open, or nothing to open
        }
    }
    if (handled) {
        event->accept();
    } else {
        QTreeWidget::keyPressEvent(event);
        QTreeWidgetItem *after = currentItem();
        if (from && after == from) { // nowhere to go from there
            setCurrentItem(shown);
            reached = from;
        } else if (after && after != shown) {
            reached = nodeOf(after);
            Q_EMIT nodeClicked(reached);
        }
    }
    if (reached && currentItem() != reached)
        overruledMove_ = reached;
}

} // namespace brindlewick
