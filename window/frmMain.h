// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileSystemObject.h"
#include "platform/FolderEnumerator.h"
#include "renaming/NameBuilders.h"
#include "window/Dialogs.h"
#include "window/ImageList.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace brindlewick
{

class Platform;
class ProgressMeter;
class ReportList;
class NodeTree;
class TreeNode;

// Window geometry is kept in twips, 15 to the pixel.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

// The program's one window. It owns every control and all run-time state; the procedures of
// each subsystem are its members, defined beside their subsystem.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    // The platform and the dialogs must outlive the window.
    frmMain(const Platform &platform, Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up: the drives and the first drive's folders and files. Run once, before the
    // window is shown.
    void Form_Load();
    void DisplayDrives();

    // Folder tree. DisplayDir opens the folder Pth; a click hands over the folder it opened.
    void DisplayDir(QString Pth, TreeNode *Parent);
    void DisplayDir(const OpenFolder &folder, TreeNode *Parent);
    void DirTree_NodeClick(TreeNode *Node);
    void DirTree_Expand(TreeNode *Node);
    void DirTree_Collapse(TreeNode *Node);
    void UpdateFolderIcons();

    // Mode panel.
    void optAttachBegin_Click();
    void optAttachEnd_Click();
    void optReplace_Click();
    void chkCase_Click();

    // File list. Button: 1 left, 2 right, 4 middle.
    void DisplayFiles();
    void lsList_MouseUp(int Button, int Shift, int x, int y);
    // The keyboard's way to the same menu (the Menu key, Shift+F10); at: a point of the screen.
    void lsList_ContextMenu(QPoint at);
    void lsSelAll_Click();
    void lsDeselAll_Click();

    // Renaming. selFiles is the index of the last selected file: their number minus one.
    void cmdRename_Click();
    void FindSelectedFiles(qsizetype selFiles);
    void AttachBeginning(qsizetype selFiles);
    void AttachEnd(qsizetype selFiles);
    // compareMethod 1 ignores letter case, 0 regards it.
    void ReplaceText(qsizetype selFiles, int compareMethod);
    void RenameFiles(qsizetype selFiles);

    // The width of the list's one column, in twips, as the last fill of the list set it. It
    // grows with the list when the window is enlarged.
    int nameColumnTwips() const { return nameColumnTwips_; }
    // How much larger than drawn the layout is: the font's height to the one it was drawn for,
    // never below 1.
    double layoutScale() const { return layoutScale_; }

    // True while a renaming or an expansion runs: the window paints, but takes no input.
    bool isBusy() const { return busyDepth_ > 0; }

    // Controls, in tab order, then the ones outside it.
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
    const ImageList img;

    // Hidden enumerators: the subfolders and the files of the current folder, and the working
    // list of subfolder names.
    FolderEnumerator Dir1;
    FolderEnumerator File1;
    QStringList List1;

    // Run-time state.
    int renameOption = 1;
    QString curPath;
    QString WinPath;
    bool Expanding = false;
    std::optional<FileSystemObject> FSO;
    std::optional<FileObject> curFile;
    // The selected files' names in list order, split at the last dot; the builders rewrite
    // the name parts into the planned names.
    std::vector<NameRow> selNames;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A new font scales the layout anew.
    void changeEvent(QEvent *event) override;
    // A close asked for while the window is busy waits for the work to end.
    void closeEvent(QCloseEvent *event) override;
    // While busy, input to the window is dropped.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Marks a long piece of work: while one lives, the window repaints at the bar's pace, takes
    // no input and puts off being closed. They nest.
    class Busy
    {
    public:
        explicit Busy(frmMain &window);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        frmMain &window_;
    };

    enum class Anchor { Tree, List, BottomRight, BottomSpan };
    struct Placement {
        QWidget *widget;
        QRect twips; // at the window's initial size
        Anchor anchor;
    };

    template<typename Control> Control *place(Control *control, QRect twips, Anchor anchor);
    void applyPlacement(const Placement &placement);
    void setWidthTwips(QWidget *control, int twips);
    int pixels(int twips) const;
    QRect pixels(QRect twips) const;
    QSize clientSize() const;
    void setNameColumnTwips(int twips);
    FileSystemObject &fileSystem();
    // Every box of the window goes through here: the bar shows the value reached while the
    // box is up, whatever its pace of repainting.
    MsgBoxAnswer MsgBox(const QString &prompt, int style, const QString &title);
    bool liesInSystemFolder(const TreeNode &node) const;
    // The first text box is named after the label shown above it.
    void nameTextBox();
    void confirmAndRename(qsizetype selFiles);
    // Runs an event handler; a failure inside it ends the handler, never the program.
    template<typename Handler> void runHandler(const char *name, Handler &&handler);

    const Platform &platform_;
    Dialogs &dialogs_;
    std::vector<Placement> placements_;
    int nameColumnTwips_ = 3030;
    double layoutScale_ = 1.0;
    int busyDepth_ = 0;
    bool closeWhenIdle_ = false;
};

template<typename Handler> void frmMain::runHandler(const char *name, Handler &&handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        qWarning("%s ended early: %s", name, error.what());
    }
}

} // namespace brindlewick
