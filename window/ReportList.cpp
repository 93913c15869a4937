#include "window/ReportList.h"

#include <QAbstractListModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <algorithm>

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
            return QStringLiteral("Name");
        return {};
    }

private:
    QStringList names_;
};

ReportList::ReportList(QWidget *parent) : QTreeView(parent), model_(new NameListModel(this))
{
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
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

void ReportList::setAllSelected(bool selected)
{
    if (itemCount() == 0)
        return;
    const QItemSelection all(model_->index(0, 0), model_->index(int(itemCount() - 1), 0));
    selectionModel()->select(all, selected ? QItemSelectionModel::Select
                                           : QItemSelectionModel::Deselect);
}

void ReportList::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
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

void ReportList::clearItems()
{
    model_->setNames({});
}

void ReportList::setItems(QStringList texts)
{
    model_->setNames(std::move(texts));
}

} // namespace brindlewick
