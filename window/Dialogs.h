// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAction;
class QPoint;
class QMenu;
class QWidget;

namespace brindlewick
{

// Message-box style codes: buttons plus icon.
enum MsgBoxStyle : int {
    OkOnly = 0,
    YesNo = 4,
    Critical = 16,
    Information = 64,
};

enum class MsgBoxAnswer { Ok, Yes, No };

// The window's modal boxes and its pop-up menu. The window never opens one itself, so a
// test can answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Lines of prompt break with CR LF. details, when there are any, are shown below the prompt
    // only when asked for; their lines break with CR LF too.
    virtual MsgBoxAnswer MsgBox(const QString &prompt, int style, const QString &title,
                                const QString &details = {}) = 0;
    // Shows menu at a point of the screen: the mouse pointer, or the current item when the
    // keyboard asks. The chosen item is triggered before this returns. Returns the chosen item,
    // or nullptr when the menu closed without a choice.
    virtual QAction *PopupMenu(QMenu &menu, const QPoint &at) = 0;
};

// Real modal Qt boxes and menus.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget *owner) { owner_ = owner; }

    MsgBoxAnswer MsgBox(const QString &prompt, int style, const QString &title,
                        const QString &details = {}) override;
    QAction *PopupMenu(QMenu &menu, const QPoint &at) override;

private:
    QWidget *owner_;
};

} // namespace brindlewick
