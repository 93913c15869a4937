// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Filling the file list from the file enumerator's folder.
#include "renaming/FileNames.h"
#include "window/Dialogs.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QCursor>
#include <QScopeGuard>

namespace brindlewick
{

void frmMain::DisplayFiles()
{
    curPath = File1.Path();
    if (!curPath.endsWith(u'\\'))
        curPath += u'\\';
    lsList->clearItems();
    const qsizetype fileCount = File1.ListCount();
    if (fileCount != 0)
        pbStatus->setMax(int(fileCount));

    {
        QStringList shown;
        shown.reserve(fileCount);
        // The list takes its items in one batch; a failure part-way keeps those found so far,
        // and the bar shows how far the fill came.
        const auto fill = qScopeGuard([&] {
            lsList->setItems(std::move(shown));
            pbStatus->showValue();
        });
        FileSystemObject &fso = fileSystem();
        const OpenFolder folder = File1.folder();
        const QStringList &names = File1.names();
        for (qsizetype i = 0; i < fileCount; ++i) {
            const QString &name = names.at(i);
            if (fso.FileExists(folder, name)) {
                curFile = fso.GetFile(folder, name);
                if (isListedFileName(curFile->Name()))
                    shown.append(name);
            }
            pbStatus->setValue(int(i + 1));
        }
    }
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
