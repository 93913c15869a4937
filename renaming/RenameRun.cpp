// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/RenameRun.h"

#include "platform/DrivePath.h"
#include "platform/FileSystemObject.h"
#include "renaming/FileNames.h"

#include <QCoreApplication>
#include <utility>

namespace brindlewick
{

using namespace Qt::StringLiterals;

QString RenameOutcome::details() const
{
    if (complete())
        return {};
    // The details must not lie where the list would not: the characters that stopped a name
    // from being made are spelled out, not drawn.
    QString text;
    if (unflushed)
        text = QCoreApplication::translate(
                   "RenameRun",
                   "Every file was renamed, but the folder could not be flushed to disk.") +
               u"\r\n"_s;
    else if (!failedName.isEmpty())
        text =
            QCoreApplication::translate("RenameRun", "File: %1").arg(spelledOut(failedName)) +
            u"\r\n"_s +
            QCoreApplication::translate("RenameRun", "New name: %1").arg(spelledOut(plannedName)) +
            u"\r\n"_s;
    return text + QCoreApplication::translate("RenameRun", "Reason: %1").arg(spelledOut(*failure));
}

RenameOutcome runRenames(const Platform &platform, const OpenFolder &folder,
                         const QStringList &names, const std::vector<NameRow> &planned,
                         const std::function<void(qsizetype)> &progress)
{
    RenameOutcome outcome;
    bool unflushed = false;
    qsizetype at = -1; // the file in hand, while there is one
    try {
        if (names.size() != qsizetype(planned.size()))
            throw PlatformError(
                QCoreApplication::translate("RenameRun", "The plan does not match the selection"));
        // The files are renamed in the very folder that was listed, held open since then. If
        // its path now leads elsewhere (the folder or one above it replaced, a mount gone), the
        // files there are not the ones listed: nothing is touched.
        if (!folder || !platform.isAtItsPath(*folder))
            throw PlatformError(QCoreApplication::translate(
                "RenameRun", "The listed folder is no longer at its path"));
        FileSystemObject fso(platform);
        for (qsizetype k = 0; k < names.size(); ++k) {
            at = k;
            FileObject file = fso.GetFile(folder, names.at(k));
            const QString newName = planned[std::size_t(k)].fullName();
            if (file.Name() != newName) {
                // A name the list would hide fails like a taken one: the file would vanish
                // from the list, and could not be renamed back here.
                if (!isListedFileName(newName))
                    throw PlatformError(QCoreApplication::translate(
                                            "RenameRun", "Not a name the list shows: \"%1\"")
                                            .arg(newName));
                file.setName(newName);
                unflushed = true;
            }
            outcome.done = k + 1;
            if (progress)
                progress(outcome.done);
        }
        at = -1;
        // Complete means on disk: the new names outlive a power cut from here on.
        if (std::exchange(unflushed, false)) {
            // Should the flush fail, every file was renamed all the same.
            outcome.unflushed = true;
            platform.flushFolder(*folder);
            outcome.unflushed = false;
        }
    } catch (const std::exception &error) {
        outcome.failure = QString::fromUtf8(error.what());
        if (at >= 0) {
            outcome.failedName = names.at(at);
            outcome.plannedName = planned[std::size_t(at)].fullName();
        }
        if (unflushed) {
            try {
                platform.flushFolder(*folder);
            } catch (const std::exception &) {
                // the failure reported is the one that stopped the run
            }
        }
    }
    return outcome;
}

} // namespace brindlewick
