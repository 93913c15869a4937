#include "platform/FileSystemObject.h"

namespace brindlewick
{

FileObject::FileObject(const Platform &platform, QString path)
    : platform_(&platform), path_(std::move(path))
{
}

QString FileObject::Name() const
{
    return path_.mid(path_.lastIndexOf(u'\\') + 1);
}

void FileObject::setName(const QString &newName)
{
    platform_->renameFile(path_, newName);
    path_ = path_.left(path_.lastIndexOf(u'\\') + 1) + newName;
}

bool FileSystemObject::FileExists(const QString &path) const
{
    const bool found = platform_.isFile(path);
    foundPath_ = found ? path : QString();
    return found;
}

FileObject FileSystemObject::GetFile(const QString &path) const
{
    const bool foundJustNow = !foundPath_.isEmpty() && path == foundPath_;
    foundPath_.clear();
    if (!foundJustNow && !platform_.isFile(path))
        throw PlatformError(QStringLiteral("No file \"") + path + u'"');
    return FileObject(platform_, path);
}

} // namespace brindlewick
