// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>

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
    // Takes over descriptor, which must be an open folder. mayStopAnswering: it lies on a file
    // system that can stop answering, whose every question is asked on a thread of its own.
    FolderHandle(int descriptor, QString path, FolderIdentity identity,
                 bool mayStopAnswering = false);
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

    bool mayStopAnswering() const { return mayStopAnswering_; }
    // Once a question went unanswered, the thread that asked it may still be at work on the
    // folder: nothing more is asked of it.
    bool hasStoppedAnswering() const { return stoppedAnswering_; }
    void markStoppedAnswering() const { stoppedAnswering_ = true; }

private:
    const int descriptor_;
    const QString path_;
    const FolderIdentity identity_;
    const bool mayStopAnswering_;
    mutable bool hasBeenRead_ = false;
    mutable std::atomic<bool> stoppedAnswering_ = false;
};

} // namespace brindlewick
