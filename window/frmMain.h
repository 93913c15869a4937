// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "browsing/FolderBrowser.h"
#include "platform/FolderEnumerator.h"
#include "renaming/NameBuilders.h"
#include "window/Dialogs.h"
#include "window/ImageList.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
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

// How much the layout grows for a font this many pixels high, on a screen with this much room
// in its own (device-independent) pixels: with the font, never below the size drawn, unless the
// screen cannot hold that.
double layoutScaleFor(int fontHeight, QSize available);

// The program's one window. It owns every control and the state of what the user sees; its
// handlers arrange the steps of each event and leave the work to the browsing and renaming
// services. Controls are found by their object names.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    // The platform and the dialogs must outlive the window. While it lives, the window is kept
    // painted whenever the platform waits on a file system slow to answer.
    frmMain(Platform &platform, Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up: the drives and the first drive's folders and files. Run once, before the
    // window is shown.
    void Form_Load();

    // The events the window answers, as its controls raise them.
    void DirTree_NodeClick(TreeNode *Node);
    void DirTree_Expand(TreeNode *Node);
    void DirTree_Collapse(TreeNode *Node);
    void optAttachBegin_Click();
    void optAttachEnd_Click();
    void optReplace_Click();
    void chkCase_Click();
    // Button: 1 left, 2 right, 4 middle.
    void lsList_MouseUp(int Button, int Shift, int x, int y);
    // The keyboard's way to the same menu (the Menu key, Shift+F10); at: a point of the screen.
    void lsList_ContextMenu(QPoint at);
    void lsSelAll_Click();
    void lsDeselAll_Click();
    void cmdRename_Click();

    // The width of the list's one column, in twips, as the last fill of the list set it. It
    // grows with the list when the window is enlarged.
    int nameColumnTwips() const { return nameColumnTwips_; }
    // How much larger than drawn the layout is: the font's height to the one it was drawn for,
    // never below 1.
    double layoutScale() const { return layoutScale_; }

    // True while a renaming or an expansion runs: the window paints, but takes no input.
    bool isBusy() const { return busyDepth_ > 0; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A new font scales the layout anew, a new direction mirrors it.
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
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

    // What one rename command works on, read from the list once when it starts: the folder the
    // list showed and the selected files' names there, in list order.
    struct Selection {
        OpenFolder folder;
        QStringList names;
    };

    // Start-up and the folder tree.
    void DisplayDrives();
    // DisplayDir opens the folder Pth; a click hands over the folder it opened.
    void DisplayDir(QString Pth, TreeNode *Parent);
    void DisplayDir(const OpenFolder &folder, TreeNode *Parent);
    void UpdateFolderIcons();
    // The node click with its folder opened already (null when it could not be).
    void clickNode(TreeNode &Node, const OpenFolder &opened);
    // The click of the expansion's walk: the child's subfolders loaded, nothing else.
    void lookAhead(TreeNode &Node, const OpenFolder &opened);
    OpenFolder openNodeFolder(const TreeNode &node, FolderBrowser::OpenFor purpose);
    void refuseSystemFolder();

    // The file list.
    void DisplayFiles();

    // Renaming. selFiles is the index of the last selected file: their number minus one.
    void FindSelectedFiles(qsizetype selFiles);
    void AttachBeginning(qsizetype selFiles);
    void AttachEnd(qsizetype selFiles);
    // compareMethod 1 ignores letter case, 0 regards it.
    void ReplaceText(qsizetype selFiles, int compareMethod);
    void confirmAndRename(qsizetype selFiles);
    void RenameFiles(qsizetype selFiles);

    // The layout, in twips scaled with the font.
    template<typename Control> Control *place(Control *control, QRect twips, Anchor anchor)
    {
        placeWidget(control, twips, anchor);
        return control;
    }
    void placeWidget(QWidget *control, QRect twips, Anchor anchor);
    void applyPlacement(const Placement &placement);
    // The scale for the window's font and screen.
    double fontScale() const;
    void rescale();
    void relayout();
    void setWidthTwips(QWidget *control, int twips);
    int pixels(int twips) const;
    QRect pixels(QRect twips) const;
    QSize clientSize() const;
    void setNameColumnTwips(int twips);
    // The first text box is named after the label shown above it.
    void nameTextBox();

    // Every box of the window goes through here: the bar shows the value reached while the
    // box is up, whatever its pace of repainting.
    MsgBoxAnswer MsgBox(const QString &prompt, int style, const QString &title,
                        const QString &details = {});
    // While a file system slow to answer is waited on, the window is painted but takes no input;
    // false once it is being closed, to give the wait up.
    bool whileWaiting();
    // The mode panel shows renameOption again, after a change that came while no handler could
    // run.
    void showRenameOption();

    // Runs an event handler; returns false when it was not run. A failure inside it ends the
    // handler, never the program. A command
    // (a rename, or a click, expansion or collapse in the tree) runs only when no other handler
    // does: a screen reader's press while a box asks a question would otherwise start a second
    // command inside the first, which would plan over the first one's names.
    enum class HandlerKind { Plain, Command };
    template<typename Handler>
    bool runHandler(const char *name, Handler &&handler, HandlerKind kind = HandlerKind::Plain);

    Platform &platform_;
    Dialogs &dialogs_;
    const FolderBrowser browser_;

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
    bool Expanding = false;
    Selection selection_;
    // The selected files' names in list order, split at the last dot; the builders rewrite
    // the name parts into the planned names.
    std::vector<NameRow> selNames;

    std::vector<Placement> placements_;
    int nameColumnTwips_ = 3030;
    double layoutScale_ = 1.0;
    int busyDepth_ = 0;
    int handlersRunning_ = 0;
    bool closeWhenIdle_ = false;
    // Held while a file system is waited on.
    std::optional<Busy> waitBusy_;
    // Closed while a file system was waited on: what is left of the work gives up its waits and
    // shows no box.
    bool closingNow_ = false;
};

template<typename Handler>
bool frmMain::runHandler(const char *name, Handler &&handler, HandlerKind kind)
{
    // Input is dropped while the window is busy. What comes another way (a screen reader's
    // press, a timer, a queued signal) is dropped as well: run inside the work in hand, it would
    // start a second command in the middle of the first.
    if (isBusy() || (kind == HandlerKind::Command && handlersRunning_ > 0))
        return false;
    ++handlersRunning_;
    try {
        handler();
    } catch (const std::exception &error) {
        qWarning("%s ended early: %s", name, error.what());
    }
    --handlersRunning_;
    return true;
}

} // namespace brindlewick
