// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Carrying out a confirmed plan, file by file, stopping at the first failure.
#include "platform/Platform.h"
#include "renaming/FileNames.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace brindlewick
{

using namespace Qt::StringLiterals;

void frmMain::RenameFiles(qsizetype selFiles)
{
    // The files are renamed in the very folder that was listed, held open since then. If its
    // path now leads elsewhere (the folder or one above it replaced, a mount gone), the files
    // there are not the ones listed: nothing is touched.
    const OpenFolder folder = File1.folder();
    const Busy busy(*this);
    bool renamedAny = false;
    bool flushed = false;
    const auto flush = [&] {
        flushed = true;
        platform_.flushFolder(*folder);
    };
    try {
        pbStatus->setMax(int(selFiles + 1));
        if (!folder || !platform_.isAtItsPath(*folder))
            throw PlatformError(u"The listed folder is no longer at its path"_s);
        qsizetype k = 0;
        // Nothing takes input between the count and here, so this is the selection that
        // selNames was made from, in the same order.
        for (const qsizetype position : lsList->selectedPositions()) {
            FileSystemObject &fso = fileSystem();
            curFile = fso.GetFile(folder, lsList->itemText(position));
            const QString newName = selNames.at(std::size_t(k)).fullName();
            if (curFile->Name() != newName) {
                // A name the list would hide fails like a taken one: the file would vanish
                // from the list, and could not be renamed back here.
                if (!isListedFileName(newName))
                    throw PlatformError(u"Not a name the list shows: \""_s + newName + u'"');
                curFile->setName(newName);
                renamedAny = true;
            }
            ++k;
            pbStatus->setValue(int(k));
            if (k == selFiles + 1)
                break;
        }
        // Complete means on disk: the new names outlive a power cut from here on.
        if (renamedAny)
            flush();
        pbStatus->setValue(0);
        MsgBox(u"File renaming complete."_s, OkOnly, u"Brindlewick - Success"_s);
        File1.Refresh();
        QCoreApplication::processEvents();
        DisplayFiles();
        Text1->clear();
        Text2->clear();
    } catch (const std::exception &) {
        if (renamedAny && !flushed) {
            try {
                flush();
            } catch (const std::exception &) {
            }
        }
        MsgBox(u"Not all files were renamed!"_s, Critical, u"Brindlewick - Error"_s);
    }
}

} // namespace brindlewick
