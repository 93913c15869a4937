// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/Dialogs.h"

#include <QMenu>
#include <QMessageBox>

namespace brindlewick
{

MsgBoxAnswer QtDialogs::MsgBox(const QString &prompt, int style, const QString &title,
                               const QString &details)
{
    QMessageBox box(owner_);
    box.setWindowTitle(title);
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setDetailedText(QString(details).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (style) {
    case Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (style == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Escape and the close button answer No: the box has no third way out.
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgBoxAnswer::Yes : MsgBoxAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgBoxAnswer::Ok;
}

QAction *QtDialogs::PopupMenu(QMenu &menu, const QPoint &at)
{
    return menu.exec(at);
}

} // namespace brindlewick
