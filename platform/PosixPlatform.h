// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DriveTable.h"
#include "platform/MountTable.h"
#include "platform/NoReplaceRename.h"
#include "platform/Platform.h"

#include <array>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace brindlewick
{

// The platform over a POSIX file system: each drive letter stands for a mounted folder.
class PosixPlatform final : public Platform
{
public:
    // firstRenameWay: the first way of renaming without replacing to try. Every file system
    // is asked for the best first; a later one stands in for file systems without the others.
    PosixPlatform(DriveTable drives, QString windowsDirectory,
                  RenameWay firstRenameWay = RenameWay::NoReplaceFlag);
    // The drives of this machine: C: is "/", the other disks follow in mount order. The
    // operating system's folder is C:\usr.
    static std::unique_ptr<PosixPlatform> forThisMachine();

    const DriveTable &drives() const { return drives_; }

    // For tests: act runs while a new name is held by its reservation, just before the file goes
    // over it, to do there what another program could.
    void setWhileNameReserved(std::function<void()> act) { whileNameReserved_ = std::move(act); }

    // How long a file system that may stop answering is waited on without any answer before a
    // question to it fails. Ten seconds: longer than a network share takes to wake its disks or
    // to ride out a dropped packet, short enough that a user still waits for the outcome.
    static constexpr std::chrono::milliseconds defaultPatience = std::chrono::seconds(10);
    void setPatience(std::chrono::milliseconds patience) { patience_ = patience; }
    void setWaitHooks(WaitHooks hooks) override;

    DriveType driveType(const QString &root) const override;
    QString volumeLabel(const QString &drive) const override;
    QString windowsDirectory() const override;
    OpenFolder openFolder(const QString &folder) const override;
    bool mayStopAnswering(const QString &folder) const override;
    bool isAtItsPath(const FolderHandle &folder) const override;
    bool isInSystemFolder(const FolderHandle &folder) const override;
    FolderListing listFolder(const FolderHandle &folder, EntryKind kind) const override;
    bool isFile(const FolderHandle &folder, const QString &name) const override;
    void renameFile(const FolderHandle &folder, const QString &name,
                    const QString &newName) const override;
    void flushFolder(const FolderHandle &folder) const override;

private:
    struct MappedPath {
        QString readBack;  // "C:\" at a root, "C:\a\b" below it
        QByteArray native; // where it is on this machine
    };
    // Throws when path is no drive path or its drive does not exist.
    MappedPath map(QStringView path) const;
    // work(descriptor, answers) run on the folder: at once on most file systems; on one that may
    // stop answering, on a thread of its own and waited on while it answers. Throws when it
    // does not answer.
    template<typename Result, typename Work>
    Result ask(const FolderHandle &folder, Work &&work) const;
    // How a listing or a look at a file follows a link in a folder that answers.
    std::function<bool(int, const char *, struct stat &)> linkFollower() const;

    DriveTable drives_;
    std::array<QByteArray, 26> nativeMountPoints_; // by drive letter
    QString windowsDirectory_;
    RenameWay firstRenameWay_;
    std::function<void()> whileNameReserved_;
    std::chrono::milliseconds patience_ = defaultPatience;
    WaitHooks waitHooks_;
    mutable LiveMountTable mounts_;
};

} // namespace brindlewick
