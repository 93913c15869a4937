// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From the click on "Rename Files" to the renamed files: the selection read once, the names
// planned by the builder of the current mode, the confirmation, and the run with its bar.
#include "renaming/RenameRun.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace brindlewick
{

using namespace Qt::StringLiterals;

void frmMain::cmdRename_Click()
{
    if (Text1->text().isEmpty())
        return;
    // The one read of the selection: everything after works from this copy, whatever the list
    // shows meanwhile.
    QStringList selected = lsList->selectedTexts();
    const qsizetype selFiles = selected.size() - 1;
    if (selFiles == -1)
        return;
    selection_ = {File1.folder(), std::move(selected)};
    FindSelectedFiles(selFiles);

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
    for (const QString &name : selection_.names)
        selNames.push_back(splitAtLastDot(name));
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
        MsgBox(unchangedNamesNotice(), Information, tr("Brindlewick"));
    confirmAndRename(selFiles);
}

void frmMain::confirmAndRename(qsizetype selFiles)
{
    if (MsgBox(confirmationPrompt(selNames), YesNo, tr("Renaming Files...")) == MsgBoxAnswer::No)
        return;
    RenameFiles(selFiles);
}

void frmMain::RenameFiles(qsizetype selFiles)
{
    const Busy busy(*this);
    // The run has its own copy of the selection and the plan: nothing done while it takes the
    // window's events can change what it renames.
    const Selection selection = selection_;
    const std::vector<NameRow> plan = selNames;
    pbStatus->setMax(int(selFiles + 1));
    const RenameOutcome outcome =
        runRenames(platform_, selection.folder, selection.names, plan,
                   [this](qsizetype done) { pbStatus->setValue(int(done)); });
    if (!outcome.complete()) {
        // The list tells the truth at once: what was renamed leaves the selection, and the
        // command given again goes on with the rest.
        QStringList renamed;
        for (qsizetype k = 0; k < outcome.done; ++k)
            renamed.append(plan[std::size_t(k)].fullName());
        lsList->showRenamed(selection.names.first(outcome.done), renamed);
        MsgBox(tr("Not all files were renamed!"), Critical, tr("Brindlewick - Error"),
               outcome.details());
        return;
    }
    pbStatus->setValue(0);
    MsgBox(tr("File renaming complete."), OkOnly, tr("Brindlewick - Success"));
    File1.Refresh();
    QCoreApplication::processEvents();
    DisplayFiles();
    Text1->clear();
    Text2->clear();
}

} // namespace brindlewick
