// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FolderHandle.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>

namespace brindlewick
{

// The codes of the desktop drive-type query the program was designed around.
enum class DriveType : int {
    Undetermined = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

// A failed file-system or drive operation. The cause is for notes and logs; the program's
// messages never show it.
class PlatformError : public std::runtime_error
{
public:
    explicit PlatformError(const QString &cause);
    QString cause() const { return cause_; }

private:
    QString cause_;
};

enum class EntryKind { Files, Folders };

struct FolderListing {
    QStringList names; // entry names without folder, in name order
    // Of the subfolders, the links that lead back to the folder itself or to a folder above
    // it: opening them would never end.
    QStringList leadingBack;
};

using OpenFolder = std::shared_ptr<const FolderHandle>;

// What the program does while it waits on a file system that is slow to answer, so that a
// window stays painted.
struct WaitHooks {
    // Run again and again while a question waits; false gives the wait up at once.
    std::function<bool()> meanwhile;
    // Run once the wait is over, when meanwhile ran.
    std::function<void()> ended;
};

// Everything the program knows of drives, folders and files. Paths are drive-letter paths
// ("C:\", "C:\home\ann"); an implementation maps them onto its own file system. A folder is
// looked up by its path once, when it is opened; all else acts on the open folder.
class Platform
{
public:
    virtual ~Platform() = default;

    // root: letter, ":" and "\".
    virtual DriveType driveType(const QString &root) const = 0;
    // drive: letter and ":". Throws when the drive has no readable label.
    virtual QString volumeLabel(const QString &drive) const = 0;
    // The operating system's own folder, which the tree refuses to open.
    virtual QString windowsDirectory() const = 0;

    // A file system that can stop answering, a network or FUSE one, is waited on for as long as
    // it answers, however slowly; a question that gets no answer for a stretch fails, as the
    // question would fail for any other cause. hooks run while such a question waits.
    virtual void setWaitHooks(WaitHooks hooks) = 0;

    // Opens a folder that can be listed and entered. Throws when it cannot.
    virtual OpenFolder openFolder(const QString &folder) const = 0;
    // True when the folder lies on a file system that can stop answering. Told from the mount
    // table alone, without asking the file system anything.
    virtual bool mayStopAnswering(const QString &folder) const = 0;
    // True while the folder's path still leads to that very folder. Throws when that cannot be
    // asked.
    virtual bool isAtItsPath(const FolderHandle &folder) const = 0;
    // True when the folder is the operating system's folder or lies inside it, told by file
    // system and path within it, whichever links and mounts lead to either; true as well when
    // that cannot be told.
    virtual bool isInSystemFolder(const FolderHandle &folder) const = 0;

    // The visible files or subfolders of a folder. Throws when it cannot be read.
    virtual FolderListing listFolder(const FolderHandle &folder, EntryKind kind) const = 0;
    // True when a file (not a folder) named name is in folder.
    virtual bool isFile(const FolderHandle &folder, const QString &name) const = 0;
    // Renames the file name of folder inside that folder, never replacing another file.
    // Throws, leaving the file as it was, when the name is taken or invalid.
    virtual void renameFile(const FolderHandle &folder, const QString &name,
                            const QString &newName) const = 0;
    // Puts the folder's changed entries on disk, so that they outlive a power cut.
    virtual void flushFolder(const FolderHandle &folder) const = 0;
};

} // namespace brindlewick
