#pragma once

#include "window/Dialogs.h"

#include <QList>
#include <QString>
#include <deque>
#include <optional>

namespace brindlewick::test
{

struct RecordedBox {
    QString prompt;
    int style;
    QString title;
};

// Answers the window's boxes and menus from a per-test script. Every box is recorded; a box or
// menu the script did not expect, or one that differs from what it expected, fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    // prompt: when given, the box must show exactly this text.
    void expectBox(int style, const QString &title, MsgBoxAnswer answer,
                   std::optional<QString> prompt = std::nullopt);
    // itemText: the menu item to choose, by its caption; empty closes the menu unchosen.
    void expectMenu(const QString &itemText);

    MsgBoxAnswer MsgBox(const QString &prompt, int style, const QString &title) override;
    QAction *PopupMenu(QMenu &menu) override;

    const QList<RecordedBox> &boxes() const { return boxes_; }
    int menusShown() const { return menusShown_; }
    bool allAnswered() const { return expectedBoxes_.empty() && expectedMenus_.empty(); }

private:
    struct ExpectedBox {
        int style;
        QString title;
        MsgBoxAnswer answer;
        std::optional<QString> prompt;
    };

    std::deque<ExpectedBox> expectedBoxes_;
    std::deque<QString> expectedMenus_;
    QList<RecordedBox> boxes_;
    int menusShown_ = 0;
};

} // namespace brindlewick::test
