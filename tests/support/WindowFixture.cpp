// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"

#include "platform/DrivePath.h"
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/Translations.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <stdexcept>

namespace brindlewick::test
{

using namespace Qt::StringLiterals;

namespace
{

template<typename Control> Control *controlOf(const frmMain &window, const char *name)
{
    Control *found = window.findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("The window has no control %s", name);
    return found;
}

// The program installs its translations before it makes its window, English among them for its
// plural forms ("1 file"); the window's tests start the same way, in no language of their own.
void translateAsTheProgramDoes()
{
    static const Translations english(QLocale::c());
}
Q_COREAPP_STARTUP_FUNCTION(translateAsTheProgramDoes)

} // namespace

WindowControls::WindowControls(const frmMain &window)
    : lsList(controlOf<ReportList>(window, "lsList")), Text1(controlOf<QLineEdit>(window, "Text1")),
      Text2(controlOf<QLineEdit>(window, "Text2")),
      optAttachBegin(controlOf<QRadioButton>(window, "optAttachBegin")),
      optAttachEnd(controlOf<QRadioButton>(window, "optAttachEnd")),
      optReplace(controlOf<QRadioButton>(window, "optReplace")),
      chkCase(controlOf<QCheckBox>(window, "chkCase")),
      DirTree(controlOf<NodeTree>(window, "DirTree")),
      pbStatus(controlOf<ProgressMeter>(window, "pbStatus")),
      Label1(controlOf<QLabel>(window, "Label1")), Label2(controlOf<QLabel>(window, "Label2")),
      Label3(controlOf<QLabel>(window, "Label3")),
      cmdRename(controlOf<QPushButton>(window, "cmdRename")),
      imgIcon(controlOf<QLabel>(window, "imgIcon")), hidMenu(controlOf<QMenu>(window, "hidMenu")),
      lsSelAll(controlOf<QAction>(window, "lsSelAll")),
      lsDeselAll(controlOf<QAction>(window, "lsDeselAll"))
{
}

std::vector<DrawnPlace> drawnPlaces(const WindowControls &c)
{
    // A caption reaches as far as the panel does, "Text to replace:" not quite to the label
    // beside it.
    constexpr int panelEnd = 5895;
    return {
        {c.lsList, {2670, -15, 3375, 3135}},
        {c.Text1, {2760, 3480, 3135, 285}},
        {c.Text2, {4440, 3480, 1455, 285}},
        {c.optAttachBegin, {2880, 3840, 1815, 255}, panelEnd},
        {c.optAttachEnd, {2880, 4200, 1815, 255}, panelEnd},
        {c.optReplace, {2880, 4560, 1815, 255}, panelEnd},
        {c.chkCase, {3480, 4920, 1575, 375}, panelEnd},
        {c.DirTree, {0, 0, 2685, 6015}},
        {c.Label1, {2760, 3240, 1215, 255}, panelEnd},
        {c.Label2, {4440, 3240, 1215, 255}, panelEnd},
        {c.Label3, {2760, 3240, 1335, 255}, 4440 - 60},
        {c.cmdRename, {4440, 5520, 1455, 375}, panelEnd},
    };
}

QRect twipsToPixels(QRect twips)
{
    return {brindlewick::twipsToPixels(twips.x()), brindlewick::twipsToPixels(twips.y()),
            brindlewick::twipsToPixels(twips.width()), brindlewick::twipsToPixels(twips.height())};
}

QList<int> valuesSeen(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &call : spy)
        values.append(call.at(0).toInt());
    return values;
}

BusyPaints::BusyPaints(const frmMain &window, const QWidget *widget)
    : window_(window), widget_(widget)
{
    qApp->installEventFilter(this);
}

bool BusyPaints::eventFilter(QObject *watched, QEvent *event)
{
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (event->type() == QEvent::Paint && window_.isBusy() && widget &&
        widget->window() == &window_)
        ++count_;
    return false;
}

WindowFixture::WindowFixture(TestDrives &&testDrives)
    : drives(std::move(testDrives)), window(platform, dialogs), ui(window)
{
}

WindowFixture::WindowFixture(const std::vector<TestDrive> &layout)
    : WindowFixture(TestDrives(layout))
{
}

void WindowFixture::start()
{
    started_ = true;
    window.Form_Load();
    window.show();
}

void WindowFixture::showFolder(const QString &folder)
{
    if (!started_)
        start();
    const std::optional<DrivePath> path = parseDrivePath(folder);
    QVERIFY2(path, qPrintable(folder));
    // A drive's key is "root" and its letter's code; a folder's, its parent folder's path as it
    // reads back ("C:\" at a root), a backslash and its name.
    QString key = u"root"_s + QString::number(path->letter.unicode());
    QString parent = path->letter + u":\\"_s;
    for (const QString &name : path->names) {
        TreeNode *above = node(key);
        QVERIFY2(above, qPrintable(key));
        click(above);
        key = parent + u'\\' + name;
        parent = (parent.endsWith(u'\\') ? parent.chopped(1) : parent) + u'\\' + name;
    }
    TreeNode *shown = node(key);
    QVERIFY2(shown, qPrintable(key));
    click(shown);
}

QStringList WindowFixture::listed() const
{
    QStringList names;
    for (qsizetype i = 1; i <= ui.lsList->itemCount(); ++i)
        names.append(ui.lsList->itemText(i));
    return names;
}

void WindowFixture::select(const QStringList &names)
{
    for (const QString &name : names) {
        const qsizetype position = listed().indexOf(name) + 1;
        QVERIFY2(position > 0, qPrintable(name));
        ui.lsList->setItemSelected(position, true);
    }
}

TreeNode *WindowFixture::node(const QString &key) const
{
    // Qt Test reports an exception as the test's failure, where a null node would end them all.
    TreeNode *const found = ui.DirTree->node(key);
    if (!found)
        throw std::runtime_error("no node " + key.toStdString());
    return found;
}

void WindowFixture::click(TreeNode *node)
{
    ui.DirTree->setSelectedItem(node);
    window.DirTree_NodeClick(node);
}

void WindowFixture::rename(QRadioButton *mode, const QString &text, const QString &replacement,
                           bool caseSensitive)
{
    mode->click();
    if (caseSensitive)
        ui.chkCase->click();
    ui.Text1->setText(text);
    ui.Text2->setText(replacement);
    ui.cmdRename->click();
}

int WindowFixture::modeInEffect()
{
    const QString text1 = ui.Text1->text();
    const QString text2 = ui.Text2->text();
    const std::vector<qsizetype> selected = ui.lsList->selectedPositions();
    ui.lsList->clearSelection();
    select({u"aA.txt"_s});
    ui.Text1->setText(u"a"_s);
    ui.Text2->setText(u"x"_s);
    expectConfirmation(MsgBoxAnswer::No);
    ui.cmdRename->click();
    const QString prompt = dialogs.boxes().isEmpty() ? QString() : dialogs.boxes().last().prompt;

    ui.Text1->setText(text1);
    ui.Text2->setText(text2);
    ui.lsList->clearSelection();
    for (const qsizetype position : selected)
        ui.lsList->setItemSelected(position, true);
    const QString planned[] = {u"aaA.txt"_s, u"aAa.txt"_s, u"xx.txt"_s, u"xA.txt"_s};
    for (int mode = 1; mode <= 4; ++mode) {
        if (prompt.contains(u"\r\n    "_s + planned[mode - 1] + u"\r\n"_s))
            return mode;
    }
    return 0;
}

void WindowFixture::expectRefusal(std::function<void()> whileShown)
{
    dialogs.expectBox(Critical, u"Error"_s, MsgBoxAnswer::Ok,
                      u"Brindlewick will not edit known system files!"_s, std::move(whileShown));
}

void WindowFixture::expectConfirmation(MsgBoxAnswer answer, std::optional<QString> prompt,
                                       std::function<void()> whileShown)
{
    dialogs.expectBox(YesNo, u"Renaming Files..."_s, answer, std::move(prompt),
                      std::move(whileShown));
}

void WindowFixture::expectNotice()
{
    dialogs.expectBox(Information, u"Brindlewick"_s, MsgBoxAnswer::Ok,
                      u"Some files did not contain the string to be replaced.\r\n\r\n"
                      "Those files will not be renamed."_s);
}

void WindowFixture::expectSuccess(std::function<void()> whileShown)
{
    dialogs.expectBox(OkOnly, u"Brindlewick - Success"_s, MsgBoxAnswer::Ok,
                      u"File renaming complete."_s, std::move(whileShown));
}

void WindowFixture::expectError(std::function<void()> whileShown)
{
    dialogs.expectBox(Critical, u"Brindlewick - Error"_s, MsgBoxAnswer::Ok,
                      u"Not all files were renamed!"_s, std::move(whileShown));
}

} // namespace brindlewick::test
