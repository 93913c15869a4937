// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

namespace brindlewick
{

// One file: its open folder and its name there.
class FileObject
{
public:
    FileObject(const Platform &platform, OpenFolder folder, QString name);

    // Its name without folder, as stored.
    QString Name() const { return name_; }
    // Renames the file inside its folder; throws, the file unchanged, when it cannot.
    void setName(const QString &newName);

private:
    const Platform *platform_;
    OpenFolder folder_;
    QString name_;
};

class FileSystemObject
{
public:
    explicit FileSystemObject(const Platform &platform) : platform_(platform) {}

    // A listed folder's files are asked for where they were listed, whatever has become of the
    // folder's path since.
    bool FileExists(const OpenFolder &folder, const QString &name);
    // Throws when there is no such file.
    FileObject GetFile(const OpenFolder &folder, const QString &name);

private:
    const Platform &platform_;
    // The file FileExists found last, which GetFile takes without asking again: filling a
    // large list asks both questions of each file in a row.
    OpenFolder foundIn_;
    QString foundName_;
};

} // namespace brindlewick
