// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/Dialogs.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

namespace brindlewick::test
{

struct RecordedBox {
    QString prompt;
    int style;
    QString title;
    QString details; // empty for a box without
};

// Answers the window's boxes and menus from a per-test script. Every box is recorded; a box or
// menu the script did not expect, or one that differs from what it expected, fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    // prompt: when given, the box must show exactly this text. whileShown runs while the box
    // is up, before it is answered: to look at the window then, or to change the disk.
    void expectBox(int style, const QString &title, MsgBoxAnswer answer,
                   std::optional<QString> prompt = std::nullopt,
                   std::function<void()> whileShown = {});
    // itemText: the menu item to choose, by its caption; empty closes the menu unchosen.
    void expectMenu(const QString &itemText);

    MsgBoxAnswer MsgBox(const QString &prompt, int style, const QString &title,
                        const QString &details = {}) override;
    QAction *PopupMenu(QMenu &menu, const QPoint &at) override;

    const QList<RecordedBox> &boxes() const { return boxes_; }
    int menusShown() const { return menusShown_; }
    // Where the last menu was shown, on the screen.
    QPoint lastMenuPoint() const { return lastMenuPoint_; }
    bool allAnswered() const { return expectedBoxes_.empty() && expectedMenus_.empty(); }

private:
    struct ExpectedBox {
        int style;
        QString title;
        MsgBoxAnswer answer;
        std::optional<QString> prompt;
        std::function<void()> whileShown;
    };

    std::deque<ExpectedBox> expectedBoxes_;
    std::deque<QString> expectedMenus_;
    QList<RecordedBox> boxes_;
    int menusShown_ = 0;
    QPoint lastMenuPoint_;
};

} // namespace brindlewick::test
