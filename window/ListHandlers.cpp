// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The file list: filled from the file enumerator's folder, and its pop-up menu.
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QCursor>

namespace brindlewick
{

void frmMain::DisplayFiles()
{
    // The list always shows the folder as it is now, not as it was when last read.
    File1.Refresh();
    lsList->clearItems();
    const qsizetype fileCount = File1.ListCount();
    if (fileCount != 0)
        pbStatus->setMax(int(fileCount));
    lsList->setItems(browser_.shownFiles(File1.folder(), File1.names(), [this](qsizetype looked) {
        pbStatus->setValue(int(looked));
    }));
    setNameColumnTwips(fileCount > 16 ? 3030 : 3275);
    pbStatus->setValue(0);
}

void frmMain::lsList_MouseUp(int Button, int, int, int)
{
    if (Button == 2)
        dialogs_.PopupMenu(*hidMenu, QCursor::pos());
}

void frmMain::lsList_ContextMenu(QPoint at)
{
    dialogs_.PopupMenu(*hidMenu, at);
}

void frmMain::lsSelAll_Click()
{
    lsList->setAllSelected(true);
}

void frmMain::lsDeselAll_Click()
{
    lsList->setAllSelected(false);
}

} // namespace brindlewick
