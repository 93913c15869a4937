// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

namespace brindlewick
{

// What a folder is, whatever path led to it: its file system and its place there.
struct FolderIdentity {
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const FolderIdentity &, const FolderIdentity &) = default;
};

// A folder opened once and held open: whatever becomes of the path it was opened by, the
// handle stays on the same folder. Everything done in a listed folder goes through its handle.
class FolderHandle
{
public:
    // Takes over descriptor, which must be an open folder.
    FolderHandle(int descriptor, QString path, FolderIdentity identity);
    ~FolderHandle();
    FolderHandle(const FolderHandle &) = delete;
    FolderHandle &operator=(const FolderHandle &) = delete;

    int descriptor() const { return descriptor_; }
    // The drive path it was opened by, as it reads back: "C:\" at a root, "C:\a\b" below it.
    const QString &path() const { return path_; }
    FolderIdentity identity() const { return identity_; }

    // Whether the next listing must go back to the folder's start first: one has read on from
    // there, or the folder is to be read as it is now. btrfs (in Debian 12's kernel, for one)
    // reads a folder only up to what it held when it was opened or last sent back to its start.
    // A folder read as soon as it is opened needs no such step.
    bool hasBeenRead() const { return hasBeenRead_; }
    void markRead() const { hasBeenRead_ = true; }

private:
    const int descriptor_;
    const QString path_;
    const FolderIdentity identity_;
    mutable bool hasBeenRead_ = false;
};

} // namespace brindlewick
