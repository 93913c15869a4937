// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace brindlewick::test
{

void ScriptedDialogs::expectBox(int style, const QString &title, MsgBoxAnswer answer,
                                std::optional<QString> prompt, std::function<void()> whileShown)
{
    expectedBoxes_.push_back({style, title, answer, std::move(prompt), std::move(whileShown)});
}

void ScriptedDialogs::expectMenu(const QString &itemText)
{
    expectedMenus_.push_back(itemText);
}

MsgBoxAnswer ScriptedDialogs::MsgBox(const QString &prompt, int style, const QString &title,
                                     const QString &details)
{
    boxes_.append({prompt, style, title, details});
    if (expectedBoxes_.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("Unexpected message box \"") + title +
                                QStringLiteral("\": ") + prompt),
                     __FILE__, __LINE__);
        return MsgBoxAnswer::No;
    }
    const ExpectedBox expected = expectedBoxes_.front();
    expectedBoxes_.pop_front();
    if (expected.style != style || expected.title != title ||
        (expected.prompt && *expected.prompt != prompt)) {
        QTest::qFail(qPrintable(QStringLiteral("Message box differs from the script: \"") + title +
                                QStringLiteral("\" style ") + QString::number(style) +
                                QStringLiteral(": ") + prompt),
                     __FILE__, __LINE__);
    }
    if (expected.whileShown)
        expected.whileShown();
    return expected.answer;
}

QAction *ScriptedDialogs::PopupMenu(QMenu &menu, const QPoint &at)
{
    ++menusShown_;
    lastMenuPoint_ = at;
    if (expectedMenus_.empty()) {
        QTest::qFail("Unexpected pop-up menu", __FILE__, __LINE__);
        return nullptr;
    }
    const QString itemText = expectedMenus_.front();
    expectedMenus_.pop_front();
    if (itemText.isEmpty())
        return nullptr;
    const QList<QAction *> actions = menu.actions();
    for (QAction *action : actions) {
        if (action->text() == itemText) {
            action->trigger();
            return action;
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("The menu has no item ") + itemText), __FILE__,
                 __LINE__);
    return nullptr;
}

} // namespace brindlewick::test
