#pragma once

#include <QTreeView>
#include <vector>

namespace brindlewick
{

class NameListModel;

// The file list: a report view with the one column "Name" and extended selection. Items are
// counted from 1, in display order.
class ReportList : public QTreeView
{
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);

    qsizetype itemCount() const;
    QString itemText(qsizetype position) const;
    bool isItemSelected(qsizetype position) const;
    void setItemSelected(qsizetype position, bool selected);
    // The positions of the selected items, in display order.
    std::vector<qsizetype> selectedPositions() const;

    void clearItems();
    // Replaces all items at once, none of them selected.
    void setItems(QStringList texts);
    // Every item selected or unselected in one step; the current item and the scroll
    // position stay.
    void setAllSelected(bool selected);

Q_SIGNALS:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void mouseReleased(int button, int shift, QPoint position);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QModelIndex indexAt(qsizetype position) const;

    NameListModel *model_;
};

} // namespace brindlewick
