// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/Dialogs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace brindlewick
{

namespace
{

// Each line of a box's text is shown as one line. Qt wraps a text wider than about half the
// screen, and a long file name wrapped shows as two names, the second one indented like the
// others. A line too wide is cut in its middle instead, keeping its ending: the extension.
QString linesThatFit(QMessageBox &box, const QString &text)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const QScreen *screen = box.screen();
    if (!label || !screen || !box.layout())
        return text;
    // Qt's own bound, less what the icon, the margins and the buttons take beside the text.
    const int bound = std::min(screen->availableGeometry().width() / 2, 500);
    label->setText(QStringLiteral(" "));
    box.layout()->activate();
    const int beside = box.layout()->totalMinimumSize().width() - label->minimumSizeHint().width();
    const int room = std::max(bound - beside - 8, 80);
    const QFontMetrics metrics(label->font());
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (metrics.horizontalAdvance(line) > room)
            line = metrics.elidedText(line, Qt::ElideMiddle, room);
    }
    return lines.join(u'\n');
}

} // namespace

MsgBoxAnswer QtDialogs::MsgBox(const QString &prompt, int style, const QString &title,
                               const QString &details)
{
    QMessageBox box(owner_);
    box.setWindowTitle(title);
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
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setText(
        linesThatFit(box, QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    if (style == YesNo)
        return box.exec() == QMessageBox::Yes ? MsgBoxAnswer::Yes : MsgBoxAnswer::No;
    box.exec();
    return MsgBoxAnswer::Ok;
}

QAction *QtDialogs::PopupMenu(QMenu &menu, const QPoint &at)
{
    return menu.exec(at);
}

} // namespace brindlewick
