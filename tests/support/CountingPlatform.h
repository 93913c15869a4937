// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

namespace brindlewick::test
{

// Another platform, with its folder flushes counted and, when a test asks, failing.
class CountingPlatform final : public Platform
{
public:
    explicit CountingPlatform(Platform &real) : real_(real) {}

    mutable int flushes = 0;
    QString flushFailure; // when set, every flush fails with this cause, after being counted

    void flushFolder(const FolderHandle &folder) const override
    {
        ++flushes;
        if (!flushFailure.isEmpty())
            throw PlatformError(flushFailure);
        real_.flushFolder(folder);
    }

    DriveType driveType(const QString &root) const override { return real_.driveType(root); }
    QString volumeLabel(const QString &drive) const override { return real_.volumeLabel(drive); }
    QString windowsDirectory() const override { return real_.windowsDirectory(); }
    OpenFolder openFolder(const QString &path) const override { return real_.openFolder(path); }
    void setWaitHooks(WaitHooks hooks) override { real_.setWaitHooks(std::move(hooks)); }
    bool mayStopAnswering(const QString &path) const override
    {
        return real_.mayStopAnswering(path);
    }
    bool isAtItsPath(const FolderHandle &f) const override { return real_.isAtItsPath(f); }
    bool isInSystemFolder(const FolderHandle &f) const override
    {
        return real_.isInSystemFolder(f);
    }
    FolderListing listFolder(const FolderHandle &f, EntryKind kind) const override
    {
        return real_.listFolder(f, kind);
    }
    bool isFile(const FolderHandle &f, const QString &name) const override
    {
        return real_.isFile(f, name);
    }
    void renameFile(const FolderHandle &f, const QString &name, const QString &to) const override
    {
        real_.renameFile(f, name, to);
    }

private:
    Platform &real_;
};

} // namespace brindlewick::test
