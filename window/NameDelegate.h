// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

namespace brindlewick
{

// Draws each name in its own direction, set by its first letter, whatever the window's: a
// Latin name stays readable in a right-to-left window, a Persian one reads right to left in a
// left-to-right window. The items' places still follow the window.
class NameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text drawn for a name.
    static QString drawnText(const QString &name);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace brindlewick
