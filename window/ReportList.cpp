// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ReportList.h"

#include "window/NameDelegate.h"

#include <QAbstractListModel>
#include <QContextMenuEvent>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <climits>

namespace brindlewick
{

// Read-only names, swapped in one reset: far cheaper than item objects for large folders.
class NameListModel final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList &names() const { return names_; }

    void setNames(QStringList names)
    {
        beginResetModel();
        names_ = std::move(names);
        endResetModel();
    }

    void setName(int row, const QString &name)
    {
        names_[row] = name;
        const QModelIndex changed = index(row, 0);
        Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(names_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole && index.isValid() && index.row() < names_.size())
            return names_.at(index.row());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return ReportList::tr("Name");
        return {};
    }

private:
    QStringList names_;
};

ReportList::ReportList(QWidget *parent) : QTableView(parent), model_(new NameListModel(this))
{
    setModel(model_);
    setItemDelegate(new NameDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    // Tab leaves the list for the next control, as in any other list of the window.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(model_, &QAbstractItemModel::modelReset, this, &ReportList::describe);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ReportList::describe);
    describe();
}

qsizetype ReportList::itemCount() const
{
    return model_->names().size();
}

QString ReportList::itemText(qsizetype position) const
{
    return model_->names().at(position - 1);
}

QModelIndex ReportList::indexAt(qsizetype position) const
{
    return model_->index(int(position - 1), 0);
}

bool ReportList::isItemSelected(qsizetype position) const
{
    return selectionModel()->isSelected(indexAt(position));
}

void ReportList::setItemSelected(qsizetype position, bool selected)
{
    selectionModel()->select(indexAt(position), selected ? QItemSelectionModel::Select
                                                         : QItemSelectionModel::Deselect);
}

qsizetype ReportList::selectedCount() const
{
    // Qt keeps the ranges of a selection apart, so their heights add up.
    qsizetype count = 0;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        count += range.height();
    return count;
}

void ReportList::describe()
{
    // Counts past what an int holds are not shown to anybody; plural forms take an int.
    const auto count = [](qsizetype n) { return int(std::min<qsizetype>(n, INT_MAX)); };
    setAccessibleDescription(tr("%1, %2", "files, then how many are selected")
                                 .arg(tr("%n file(s)", nullptr, count(itemCount())),
                                      tr("%n selected", "files", count(selectedCount()))));
}

std::vector<qsizetype> ReportList::selectedPositions() const
{
    // Read from the selection's ranges: asking every item would search the ranges each time.
    std::vector<qsizetype> positions;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            positions.push_back(qsizetype(row) + 1);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

QStringList ReportList::selectedTexts() const
{
    const QStringList &names = model_->names();
    QStringList texts;
    const std::vector<qsizetype> positions = selectedPositions();
    texts.reserve(qsizetype(positions.size()));
    for (const qsizetype position : positions)
        texts.append(names.at(position - 1));
    return texts;
}

void ReportList::setAllSelected(bool selected)
{
    if (itemCount() == 0)
        return;
    const QItemSelection all(model_->index(0, 0), model_->index(int(itemCount() - 1), 0));
    selectionModel()->select(all, selected ? QItemSelectionModel::Select
                                           : QItemSelectionModel::Deselect);
}

void ReportList::showRenamed(const QStringList &texts, const QStringList &newTexts)
{
    QHash<QString, QString> renamed;
    renamed.reserve(texts.size());
    for (qsizetype k = 0; k < texts.size() && k < newTexts.size(); ++k)
        renamed.insert(texts.at(k), newTexts.at(k));
    std::vector<bool> done(std::size_t(itemCount()), false);
    for (int row = 0; row < int(itemCount()); ++row) {
        const auto found = renamed.constFind(model_->names().at(row));
        if (found == renamed.cend())
            continue;
        model_->setName(row, *found);
        done[std::size_t(row)] = true;
    }
    // The rest is selected anew in runs: deselecting item by item would split the selection's
    // ranges one at a time.
    QItemSelection rest;
    for (const qsizetype position : selectedPositions()) {
        const int row = int(position - 1);
        if (done[std::size_t(row)])
            continue;
        if (!rest.isEmpty() && rest.last().bottom() == row - 1)
            rest.last() = QItemSelectionRange(rest.last().topLeft(), model_->index(row, 0));
        else
            rest.append(QItemSelectionRange(model_->index(row, 0)));
    }
    selectionModel()->select(rest, QItemSelectionModel::ClearAndSelect);
}

void ReportList::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) |
                      (modifiers & Qt::ControlModifier ? 2 : 0) |
                      (modifiers & Qt::AltModifier ? 4 : 0);
    Q_EMIT mouseReleased(button, shift, event->position().toPoint());
}

QPoint ReportList::currentItemPoint() const
{
    const QRect item = visualRect(currentIndex());
    const QPoint inView = item.isValid() ? item.bottomLeft() : QPoint(0, 0);
    return viewport()->mapToGlobal(inView);
}

void ReportList::contextMenuEvent(QContextMenuEvent *event)
{
    // The mouse opens the menu when its button is released; this is the Menu key.
    if (event->reason() != QContextMenuEvent::Keyboard)
        return QTableView::contextMenuEvent(event);
    event->accept();
    Q_EMIT menuKeyPressed(currentItemPoint());
}

void ReportList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        Q_EMIT menuKeyPressed(currentItemPoint());
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex ReportList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // A table moves Home and End along the row, which here has one column: they go to the first
    // and last file instead, as in any list of files.
    if (cursorAction == MoveHome || cursorAction == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(cursorAction, modifiers);
}

bool ReportList::isCutOff(const QModelIndex &index) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return itemDelegateForIndex(index)->sizeHint(option, index).width() > option.rect.width();
}

bool ReportList::viewportEvent(QEvent *event)
{
    // The column's width is fixed: a name it cuts off shows whole in its tool tip.
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = QTableView::indexAt(help->pos());
        if (index.isValid() && isCutOff(index))
            QToolTip::showText(help->globalPos(), model_->names().at(index.row()), viewport(),
                               visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QTableView::viewportEvent(event);
}

void ReportList::clearItems()
{
    model_->setNames({});
}

void ReportList::setItems(QStringList texts)
{
    model_->setNames(std::move(texts));
}

} // namespace brindlewick
