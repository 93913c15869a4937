// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From the click on "Rename Files" to the confirmed plan: the selected names, split at their
// last dot, rewritten by the builder of the current mode.
#include "window/Dialogs.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QLineEdit>

namespace brindlewick
{

using namespace Qt::StringLiterals;

void frmMain::cmdRename_Click()
{
    if (Text1->text().isEmpty())
        return;
    const qsizetype selFiles = qsizetype(lsList->selectedPositions().size()) - 1;
    if (selFiles == -1)
        return;
    FindSelectedFiles(selFiles);

    curPath = File1.Path();
    if (!curPath.endsWith(u'\\'))
        curPath += u'\\';

    switch (renameOption) {
    case 1:
        AttachBeginning(selFiles);
        break;
    case 2:
        AttachEnd(selFiles);
        break;
    case 3:
        ReplaceText(selFiles, 1);
        break;
    case 4:
        ReplaceText(selFiles, 0);
        break;
    default:
        break;
    }
}

void frmMain::FindSelectedFiles(qsizetype selFiles)
{
    selNames.clear();
    selNames.reserve(std::size_t(selFiles + 1));
    for (const qsizetype position : lsList->selectedPositions())
        selNames.push_back(splitAtLastDot(lsList->itemText(position)));
}

void frmMain::AttachBeginning(qsizetype selFiles)
{
    attachAtBeginning(selNames, Text1->text());
    confirmAndRename(selFiles);
}

void frmMain::AttachEnd(qsizetype selFiles)
{
    attachAtEnd(selNames, Text1->text());
    confirmAndRename(selFiles);
}

void frmMain::ReplaceText(qsizetype selFiles, int compareMethod)
{
    const Qt::CaseSensitivity sensitivity =
        compareMethod == 1 ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (replaceInNames(selNames, Text1->text(), Text2->text(), sensitivity))
        MsgBox(unchangedNamesNotice(), Information, u"Brindlewick"_s);
    confirmAndRename(selFiles);
}

void frmMain::confirmAndRename(qsizetype selFiles)
{
    if (MsgBox(confirmationPrompt(selNames), YesNo, u"Renaming Files..."_s) == MsgBoxAnswer::No)
        return;
    RenameFiles(selFiles);
}

} // namespace brindlewick
