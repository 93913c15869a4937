// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

#include <optional>

namespace brindlewick
{

// Lists the files or the subfolders of one open folder, in name order. Pointing it at a
// folder that cannot be opened fails and leaves it where it was.
class FolderEnumerator
{
public:
    FolderEnumerator(const Platform &platform, EntryKind kind);

    // "C:\" at a drive root, otherwise the folder without a final "\"; empty until set.
    QString Path() const { return folder_ ? folder_->path() : QString(); }
    // Opens the folder. Throws when it cannot be opened.
    void setPath(const QString &folder);
    // Takes a folder opened already, which others may hold as well.
    void setFolder(OpenFolder folder);
    // The folder it lists; null until set.
    const OpenFolder &folder() const { return folder_; }

    // The listing is read when first asked for, so that pointing the enumerator at a folder
    // costs no more than opening it. Throws when the folder cannot be read then.
    qsizetype ListCount() { return names().size(); }
    const QStringList &names() { return listing().names; }
    // Of the subfolders, those that lead back to the folder or above it.
    const QStringList &leadingBack() { return listing().leadingBack; }

    // Reads the folder again, with what it holds now.
    void Refresh()
    {
        listing_.reset();
        if (folder_)
            folder_->markRead();
    }

private:
    const FolderListing &listing();

    const Platform &platform_;
    EntryKind kind_;
    OpenFolder folder_;
    std::optional<FolderListing> listing_;
};

} // namespace brindlewick
