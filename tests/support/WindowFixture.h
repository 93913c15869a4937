// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/CountingPlatform.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDrives.h"
#include "window/frmMain.h"

#include <QSignalSpy>
#include <QStringList>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace brindlewick
{
class NodeTree;
class ProgressMeter;
class ReportList;
class TreeNode;
} // namespace brindlewick

namespace brindlewick::test
{

// The window's controls, found by their object names as a screen reader or a tester would.
struct WindowControls {
    explicit WindowControls(const frmMain &window);

    ReportList *lsList;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QRadioButton *optAttachBegin;
    QRadioButton *optAttachEnd;
    QRadioButton *optReplace;
    QCheckBox *chkCase;
    NodeTree *DirTree;
    ProgressMeter *pbStatus;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *cmdRename;
    QLabel *imgIcon;
    QMenu *hidMenu;
    QAction *lsSelAll;
    QAction *lsDeselAll;
};

// Where the window puts a control, in twips, as drawn for a left-to-right language; for a
// captioned control also how far right its caption may reach (0 for the others).
struct DrawnPlace {
    QWidget *control;
    QRect twips;
    int roomEnd = 0;
};
std::vector<DrawnPlace> drawnPlaces(const WindowControls &c);
QRect twipsToPixels(QRect twips);

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
    explicit WindowFixture(TestDrives &&testDrives = TestDrives());
    explicit WindowFixture(const std::vector<TestDrive> &layout);

    void make(const QStringList &folders, const QStringList &files = {}) const
    {
        drives.make(folders, files);
    }
    void makeFiles(const QString &folder, const QStringList &names) const
    {
        drives.makeFiles(folder, names);
    }
    // Start-up as the program runs it, and the window shown.
    void start();
    // Started if it was not, the folder opened in the tree by a click on each node down to it.
    void showFolder(const QString &folder);

    // The names the file list shows, in order.
    QStringList listed() const;
    // Selects the listed files of these names; each must be listed.
    void select(const QStringList &names);
    TreeNode *node(const QString &key) const;
    // What a user's click does: the node becomes the selected one, then the handler runs. A node
    // inside a collapsed one is scrolled to first, which expands that one through its handler.
    void click(TreeNode *node);
    // Chooses the mode, types the texts and clicks "Rename Files".
    void rename(QRadioButton *mode, const QString &text, const QString &replacement = {},
                bool caseSensitive = false);

    // The rename mode the window is in, 1 to 4 as the builders are numbered, told by the name
    // it plans for "aA.txt", which must be listed; 0 for none. Asks with the answer No, and
    // leaves the texts and the selection as they were.
    int modeInEffect();

    void expectRefusal(std::function<void()> whileShown = {});
    void expectConfirmation(MsgBoxAnswer answer, std::optional<QString> prompt = std::nullopt,
                            std::function<void()> whileShown = {});
    void expectNotice();
    void expectSuccess(std::function<void()> whileShown = {});
    void expectError(std::function<void()> whileShown = {});

    TestDrives drives;
    // The window's platform: the drives', with its flushes counted and failing when asked.
    CountingPlatform platform{drives.platform()};
    ScriptedDialogs dialogs;
    frmMain window;
    const WindowControls ui;

private:
    bool started_ = false;
};

} // namespace brindlewick::test
