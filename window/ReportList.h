// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableView>
#include <vector>

namespace brindlewick
{

class NameListModel;

// The file list: a report view with the one column "Name" and extended selection. Items are
// counted from 1, in display order. Screen readers meet it as a table of files, described by
// how many it holds and how many are selected.
class ReportList : public QTableView
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
    // Their texts, in the same order.
    QStringList selectedTexts() const;
    qsizetype selectedCount() const;

    void clearItems();
    // Replaces all items at once, none of them selected.
    void setItems(QStringList texts);
    // Every item selected or unselected in one step; the current item and the scroll
    // position stay.
    void setAllSelected(bool selected);
    // The items of these texts show the new ones at the same index and leave the selection.
    void showRenamed(const QStringList &texts, const QStringList &newTexts);

Q_SIGNALS:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void mouseReleased(int button, int shift, QPoint position);
    // The keyboard asks for the pop-up menu; at: the current item's place on the screen.
    void menuKeyPressed(QPoint at);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent *event) override;

private:
    QModelIndex indexAt(qsizetype position) const;
    void describe();
    QPoint currentItemPoint() const;
    bool isCutOff(const QModelIndex &index) const;

    NameListModel *model_;
};

} // namespace brindlewick
