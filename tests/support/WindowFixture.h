// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/ScriptedDialogs.h"
#include "support/TestDrives.h"
#include "window/frmMain.h"

#include <QSignalSpy>
#include <QStringList>

class QRadioButton;

namespace brindlewick
{
class TreeNode;
}

namespace brindlewick::test
{

// The names the window's file list shows, in order.
QStringList listedNames(const frmMain &window);
// The values a spy on the progress meter's valueSet saw, in order.
QList<int> valuesSeen(const QSignalSpy &spy);

// Counts the paint events a widget of the window gets while the window is busy. The progress
// bar repaints itself at once; the others only when the window takes its events.
class BusyPaints : public QObject
{
public:
    BusyPaints(const frmMain &window, const QWidget *widget);
    int count() const { return count_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const frmMain &window_;
    const QWidget *widget_;
    int count_ = 0;
};

// The window over drives of its own, its boxes answered from a script. Making it reads no
// disk: lay out the folders first, then start it or show a folder.
class WindowFixture
{
public:
    explicit WindowFixture(const std::vector<TestDrive> &layout = TestDrives::standardLayout());

    // Folders with their parents, then files, each holding "was " and its name.
    void make(const QStringList &folders, const QStringList &files = {});
    // The same for files of these names in one folder.
    void makeFiles(const QString &folder, const QStringList &names);
    // Start-up as the program runs it, and the window shown.
    void start();
    // The file enumerator pointed at folder, and the list filled from it.
    void showFolder(const QString &folder);

    QStringList listed() const { return listedNames(window); }
    // Selects the listed files of these names; each must be listed.
    void select(const QStringList &names);
    TreeNode *node(const QString &key) const;
    // What a user's click does: the node becomes the selected one, then the handler runs.
    void click(TreeNode *node);
    // Chooses the mode, types the texts and clicks "Rename Files".
    void rename(QRadioButton *mode, const QString &text, const QString &replacement = {},
                bool caseSensitive = false);

    void expectRefusal();
    void expectConfirmation(MsgBoxAnswer answer, std::optional<QString> prompt = std::nullopt,
                            std::function<void()> whileShown = {});
    void expectNotice();
    void expectSuccess(std::function<void()> whileShown = {});
    void expectError(std::function<void()> whileShown = {});

    TestDrives drives;
    ScriptedDialogs dialogs;
    frmMain window;
};

} // namespace brindlewick::test
