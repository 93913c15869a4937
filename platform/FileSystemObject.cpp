// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileSystemObject.h"

#include <QCoreApplication>
namespace brindlewick
{

FileObject::FileObject(const Platform &platform, OpenFolder folder, QString name)
    : platform_(&platform), folder_(std::move(folder)), name_(std::move(name))
{
}

void FileObject::setName(const QString &newName)
{
    platform_->renameFile(*folder_, name_, newName);
    name_ = newName;
}

bool FileSystemObject::FileExists(const OpenFolder &folder, const QString &name)
{
    const bool found = platform_.isFile(*folder, name);
    foundIn_ = found ? folder : nullptr;
    foundName_ = found ? name : QString();
    return found;
}

FileObject FileSystemObject::GetFile(const OpenFolder &folder, const QString &name)
{
    const bool foundJustNow = foundIn_ == folder && name == foundName_;
    foundIn_.reset();
    foundName_.clear();
    if (!foundJustNow && !platform_.isFile(*folder, name))
        throw PlatformError(
            QCoreApplication::translate("FileSystemObject", "No file \"%1\" in \"%2\"")
                .arg(name, folder->path()));
    return FileObject(platform_, folder, name);
}

} // namespace brindlewick
