// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rename mode panel: the options and the case box keep renameOption in step with the
// labels and text boxes shown.
#include "window/frmMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace brindlewick
{

namespace
{
constexpr int attachTextWidthTwips = 3135;
constexpr int replaceTextWidthTwips = 1575;
} // namespace

void frmMain::optAttachBegin_Click()
{
    Label1->setVisible(true);
    Label2->setVisible(false);
    Label3->setVisible(false);
    {
        // Cleared by the program, not by the user: the box's handler does not run, and the
        // mode is set below.
        const QSignalBlocker quiet(chkCase);
        chkCase->setChecked(false);
    }
    setWidthTwips(Text1, attachTextWidthTwips);
    Text2->setVisible(false);
    chkCase->setEnabled(false);
    renameOption = 1;
    Text1->clear();
    Text2->clear();
    nameTextBox();
}

void frmMain::optAttachEnd_Click()
{
    Label1->setVisible(true);
    Label2->setVisible(false);
    Label3->setVisible(false);
    {
        const QSignalBlocker quiet(chkCase);
        chkCase->setChecked(false);
    }
    setWidthTwips(Text1, attachTextWidthTwips);
    Text2->setVisible(false);
    chkCase->setEnabled(false);
    renameOption = 2;
    Text1->clear();
    Text2->clear();
    nameTextBox();
}

void frmMain::optReplace_Click()
{
    Label1->setVisible(false);
    Label2->setVisible(true);
    Label3->setVisible(true);
    setWidthTwips(Text1, replaceTextWidthTwips);
    Text2->setVisible(true);
    chkCase->setEnabled(true);
    renameOption = 3;
    Text1->clear();
    Text2->clear();
    nameTextBox();
}

void frmMain::chkCase_Click()
{
    renameOption = chkCase->isChecked() ? 4 : 3;
}

} // namespace brindlewick
