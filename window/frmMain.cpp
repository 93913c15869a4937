// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/frmMain.h"

#include "window/Dialogs.h"
#include "window/NodeTree.h"
#include "window/ProgramIcon.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QWindow>
#include <mutex>
#include <utility>

namespace brindlewick
{

using namespace Qt::StringLiterals;

namespace
{

// Screen readers meet the window as a window, a frame to AT-SPI; Qt would give a plain widget
// the role of a filler.
QAccessibleInterface *accessibleWindow(const QString &, QObject *object)
{
    auto *window = qobject_cast<frmMain *>(object);
    return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

// A label's text as a name: without its closing colon, plain or full-width, nor the space some
// languages set before it.
QString accessibleLabel(const QLabel *label)
{
    QString text = label->text();
    if (text.endsWith(u':') || text.endsWith(QChar(0xFF1A)))
        text.chop(1);
    return text.trimmed();
}

} // namespace

frmMain::frmMain(Platform &platform, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), platform_(platform), dialogs_(dialogs), browser_(platform),
      img(*QApplication::style()), Dir1(platform, EntryKind::Folders),
      File1(platform, EntryKind::Files)
{
    static std::once_flag accessibleAsWindow;
    std::call_once(accessibleAsWindow, [] { QAccessible::installFactory(accessibleWindow); });
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Brindlewick"));
    layoutScale_ = fontScale();
    resize(clientSize());
    setMinimumSize(clientSize());

    // Created in tab order, which is also the order Tab walks them in.
    lsList = place(new ReportList(this), {2670, -15, 3375, 3135}, Anchor::List);
    Text1 = place(new QLineEdit(this), {2760, 3480, 3135, 285}, Anchor::BottomRight);
    Text2 = place(new QLineEdit(this), {4440, 3480, 1455, 285}, Anchor::BottomRight);
    optAttachBegin = place(new QRadioButton(tr("Attach to &Beginning"), this),
                           {2880, 3840, 1815, 255}, Anchor::BottomRight);
    optAttachEnd = place(new QRadioButton(tr("Attach to &End"), this), {2880, 4200, 1815, 255},
                         Anchor::BottomRight);
    optReplace = place(new QRadioButton(tr("&Replace Text"), this), {2880, 4560, 1815, 255},
                       Anchor::BottomRight);
    chkCase = place(new QCheckBox(tr("&Case Sensitive"), this), {3480, 4920, 1575, 375},
                    Anchor::BottomRight);
    DirTree = place(new NodeTree(img, this), {0, 0, 2685, 6015}, Anchor::Tree);
    DirTree->watchImage(QStringLiteral("open"));
    auto *bar = place(new QProgressBar(this), {0, 6000, 6015, 255}, Anchor::BottomSpan);
    pbStatus = new ProgressMeter(bar, this);
    pbStatus->setObjectName(QStringLiteral("pbStatus"));
    Label1 =
        place(new QLabel(tr("Text to add:"), this), {2760, 3240, 1215, 255}, Anchor::BottomRight);
    Label2 =
        place(new QLabel(tr("Replace with:"), this), {4440, 3240, 1215, 255}, Anchor::BottomRight);
    Label3 = place(new QLabel(tr("Text to replace:"), this), {2760, 3240, 1335, 255},
                   Anchor::BottomRight);
    cmdRename = place(new QPushButton(tr("Rename Files"), this), {4440, 5520, 1455, 375},
                      Anchor::BottomRight);
    imgIcon = place(new QLabel(this), {5040, 4200, 240, 240}, Anchor::BottomRight);

    lsList->setObjectName(QStringLiteral("lsList"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    optAttachBegin->setObjectName(QStringLiteral("optAttachBegin"));
    optAttachEnd->setObjectName(QStringLiteral("optAttachEnd"));
    optReplace->setObjectName(QStringLiteral("optReplace"));
    chkCase->setObjectName(QStringLiteral("chkCase"));
    DirTree->setObjectName(QStringLiteral("DirTree"));
    bar->setObjectName(QStringLiteral("pbStatus"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    cmdRename->setObjectName(QStringLiteral("cmdRename"));
    imgIcon->setObjectName(QStringLiteral("imgIcon"));

    QWidget *const tabOrder[] = {lsList,     Text1,   Text2,   optAttachBegin, optAttachEnd,
                                 optReplace, chkCase, DirTree, cmdRename};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setTextVisible(false);

    optAttachBegin->setChecked(true);
    chkCase->setEnabled(false);
    Text2->setVisible(false);
    Label2->setVisible(false);
    Label3->setVisible(false);
    imgIcon->setPixmap(programIcon().pixmap(16, 16));
    imgIcon->setVisible(false);
    setNameColumnTwips(3030);

    // What a screen reader says for the controls without a caption of their own.
    lsList->setAccessibleName(tr("Files"));
    DirTree->setAccessibleName(tr("Drives and folders"));
    bar->setAccessibleName(tr("Progress"));
    Text2->setAccessibleName(accessibleLabel(Label2));
    nameTextBox();

    hidMenu = new QMenu(QStringLiteral("hiddenMenu"), this);
    hidMenu->setObjectName(QStringLiteral("hidMenu"));
    lsSelAll = hidMenu->addAction(tr("Select &All"));
    lsSelAll->setObjectName(QStringLiteral("lsSelAll"));
    lsDeselAll = hidMenu->addAction(tr("&Deselect All"));
    lsDeselAll->setObjectName(QStringLiteral("lsDeselAll"));

    // An option's handler runs when it becomes the chosen one; the box's handler whenever the
    // user changes it. Like every command, they wait for no other handler: a screen reader's
    // press while a box asks a question would change the mode under the question. The panel
    // then keeps showing the mode there is.
    const auto modeHandler = [this](const char *name, void (frmMain::*handler)()) {
        if (!runHandler(
                name, [this, handler] { (this->*handler)(); }, HandlerKind::Command))
            showRenameOption();
    };
    connect(optAttachBegin, &QRadioButton::toggled, this, [=](bool chosen) {
        if (chosen)
            modeHandler("optAttachBegin_Click", &frmMain::optAttachBegin_Click);
    });
    connect(optAttachEnd, &QRadioButton::toggled, this, [=](bool chosen) {
        if (chosen)
            modeHandler("optAttachEnd_Click", &frmMain::optAttachEnd_Click);
    });
    connect(optReplace, &QRadioButton::toggled, this, [=](bool chosen) {
        if (chosen)
            modeHandler("optReplace_Click", &frmMain::optReplace_Click);
    });
    connect(chkCase, &QCheckBox::toggled, this,
            [=] { modeHandler("chkCase_Click", &frmMain::chkCase_Click); });
    connect(cmdRename, &QPushButton::clicked, this, [this] {
        runHandler(
            "cmdRename_Click", [this] { cmdRename_Click(); }, HandlerKind::Command);
    });
    connect(DirTree, &NodeTree::nodeClicked, this, [this](TreeNode *node) {
        runHandler(
            "DirTree_NodeClick", [this, node] { DirTree_NodeClick(node); }, HandlerKind::Command);
    });
    connect(DirTree, &NodeTree::nodeExpanded, this, [this](TreeNode *node) {
        runHandler(
            "DirTree_Expand", [this, node] { DirTree_Expand(node); }, HandlerKind::Command);
    });
    connect(DirTree, &NodeTree::nodeCollapsed, this, [this](TreeNode *node) {
        runHandler(
            "DirTree_Collapse", [this, node] { DirTree_Collapse(node); }, HandlerKind::Command);
    });
    connect(lsList, &ReportList::mouseReleased, this, [this](int button, int shift, QPoint at) {
        runHandler("lsList_MouseUp", [=, this] { lsList_MouseUp(button, shift, at.x(), at.y()); });
    });
    connect(lsList, &ReportList::menuKeyPressed, this, [this](QPoint at) {
        runHandler("lsList_ContextMenu", [this, at] { lsList_ContextMenu(at); });
    });
    // Enter presses "Rename Files" from either text box, and on the button itself as Space does.
    cmdRename->setAutoDefault(true);
    for (QLineEdit *box : {Text1, Text2})
        connect(box, &QLineEdit::returnPressed, cmdRename, &QPushButton::click);
    connect(lsSelAll, &QAction::triggered, this,
            [this] { runHandler("lsSelAll_Click", [this] { lsSelAll_Click(); }); });
    connect(lsDeselAll, &QAction::triggered, this,
            [this] { runHandler("lsDeselAll_Click", [this] { lsDeselAll_Click(); }); });
    // Long work repaints the window whenever the bar does, and only then: not once per file.
    connect(pbStatus, &ProgressMeter::shown, this, [this] {
        if (isBusy())
            QCoreApplication::processEvents();
    });
    platform_.setWaitHooks({[this] { return whileWaiting(); }, [this] { waitBusy_.reset(); }});
}

frmMain::~frmMain()
{
    platform_.setWaitHooks({});
}

bool frmMain::whileWaiting()
{
    if (!waitBusy_)
        waitBusy_.emplace(*this);
    QCoreApplication::processEvents();
    return !closingNow_;
}

void frmMain::showRenameOption()
{
    const QSignalBlocker quietBegin(optAttachBegin);
    const QSignalBlocker quietEnd(optAttachEnd);
    const QSignalBlocker quietReplace(optReplace);
    const QSignalBlocker quietCase(chkCase);
    QRadioButton *const chosen[] = {optAttachBegin, optAttachEnd, optReplace, optReplace};
    if (renameOption >= 1 && renameOption <= 4)
        chosen[renameOption - 1]->setChecked(true);
    chkCase->setChecked(renameOption == 4);
}

void frmMain::Form_Load()
{
    // A machine without a drive C: still gets its window, with what there is.
    try {
        Dir1.setPath(u"C:\\"_s);
    } catch (const std::exception &) {
    }
    try {
        File1.setPath(u"C:\\"_s);
    } catch (const std::exception &) {
    }
    renameOption = 1;
    DisplayDrives();
    if (TreeNode *first = DirTree->node(1))
        first->setExpanded(true);
    runHandler("DisplayFiles", [this] { DisplayFiles(); });
    setWindowIcon(programIcon());
}

void frmMain::nameTextBox()
{
    Text1->setAccessibleName(accessibleLabel(Label1->isHidden() ? Label3 : Label1));
}

frmMain::Busy::Busy(frmMain &window) : window_(window)
{
    if (window_.busyDepth_++ == 0) {
        qApp->installEventFilter(&window_);
        window_.setCursor(Qt::WaitCursor);
    }
}

frmMain::Busy::~Busy()
{
    if (--window_.busyDepth_ > 0)
        return;
    qApp->removeEventFilter(&window_);
    window_.unsetCursor();
    if (std::exchange(window_.closeWhenIdle_, false))
        QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (isBusy()) {
        closeWhenIdle_ = true;
        // A file system that may never answer again is not waited on any longer.
        closingNow_ = closingNow_ || waitBusy_.has_value();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (isBusy() && (watched == windowHandle() || (widget && widget->window() == this)))
            return true;
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

MsgBoxAnswer frmMain::MsgBox(const QString &prompt, int style, const QString &title,
                             const QString &details)
{
    if (closingNow_)
        return MsgBoxAnswer::No;
    pbStatus->showValue();
    return dialogs_.MsgBox(prompt, style, title, details);
}

} // namespace brindlewick
