// Carrying out a confirmed plan, file by file, stopping at the first failure.
#include "platform/Platform.h"
#include "window/Dialogs.h"
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
    try {
        pbStatus->setMax(int(selFiles + 1));
        qsizetype k = 0;
        std::unique_ptr<FolderBatch> batch = platform_.beginBatch(curPath);
        // Nothing takes input between the count and here, so this is the selection that
        // selNames was made from, in the same order.
        for (const qsizetype position : lsList->selectedPositions()) {
            FileSystemObject &fso = fileSystem();
            curFile = fso.GetFile(curPath, lsList->itemText(position));
            const QString newName = selNames.at(std::size_t(k)).fullName();
            if (curFile->Name() != newName)
                curFile->setName(newName);
            ++k;
            pbStatus->setValue(int(k));
            if (k == selFiles + 1)
                break;
        }
        batch.reset();
        pbStatus->setValue(0);
        dialogs_.MsgBox(u"File renaming complete."_s, OkOnly, u"Brindlewick - Success"_s);
        File1.Refresh();
        QCoreApplication::processEvents();
        DisplayFiles();
        Text1->clear();
        Text2->clear();
    } catch (const std::exception &) {
        dialogs_.MsgBox(u"Not all files were renamed!"_s, Critical, u"Brindlewick - Error"_s);
    }
}

} // namespace brindlewick
