// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"

#include "browsing/NodeTree.h"
#include "window/ReportList.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace brindlewick::test
{

using namespace Qt::StringLiterals;

QStringList listedNames(const frmMain &window)
{
    QStringList names;
    for (qsizetype i = 1; i <= window.lsList->itemCount(); ++i)
        names.append(window.lsList->itemText(i));
    return names;
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

WindowFixture::WindowFixture(const std::vector<TestDrive> &layout)
    : drives(layout), window(drives.platform(), dialogs)
{
}

void WindowFixture::make(const QStringList &folders, const QStringList &files)
{
    for (const QString &folder : folders)
        QVERIFY2(drives.makeFolder(folder), qPrintable(folder));
    for (const QString &file : files) {
        const QString name = file.section(u'\\', -1);
        QVERIFY2(drives.makeFile(file, "was " + name.toUtf8()), qPrintable(file));
    }
}

void WindowFixture::makeFiles(const QString &folder, const QStringList &names)
{
    QStringList files;
    for (const QString &name : names)
        files.append(folder + u'\\' + name);
    make({folder}, files);
}

void WindowFixture::start()
{
    window.Form_Load();
    window.show();
}

void WindowFixture::showFolder(const QString &folder)
{
    window.File1.setPath(folder);
    window.DisplayFiles();
}

void WindowFixture::select(const QStringList &names)
{
    for (const QString &name : names) {
        const qsizetype position = listed().indexOf(name) + 1;
        QVERIFY2(position > 0, qPrintable(name));
        window.lsList->setItemSelected(position, true);
    }
}

TreeNode *WindowFixture::node(const QString &key) const
{
    return window.DirTree->node(key);
}

void WindowFixture::click(TreeNode *node)
{
    window.DirTree->setSelectedItem(node);
    window.DirTree_NodeClick(node);
}

void WindowFixture::rename(QRadioButton *mode, const QString &text, const QString &replacement,
                           bool caseSensitive)
{
    mode->click();
    if (caseSensitive)
        window.chkCase->click();
    window.Text1->setText(text);
    window.Text2->setText(replacement);
    window.cmdRename->click();
}

void WindowFixture::expectRefusal()
{
    dialogs.expectBox(Critical, u"Error"_s, MsgBoxAnswer::Ok,
                      u"Brindlewick will not edit known system files!"_s);
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
