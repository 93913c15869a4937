// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/NameDelegate.h"

namespace brindlewick
{

QString NameDelegate::drawnText(const QString &name)
{
    // First strong isolate ... pop directional isolate: the name's own direction, kept apart
    // from the text around it. A listed name never holds either mark itself.
    return name.isEmpty() ? name : QChar(0x2068) + name + QChar(0x2069);
}

void NameDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = drawnText(option->text);
}

} // namespace brindlewick
