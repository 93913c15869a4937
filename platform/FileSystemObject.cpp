#include "platform/FileSystemObject.h"

namespace brindlewick
{

FileObject::FileObject(const Platform &platform, QString path, QString name)
    : platform_(&platform), path_(std::move(path)), name_(std::move(name))
{
}

void FileObject::setName(const QString &newName)
{
    platform_->renameFile(path_, newName);
    path_ = path_.left(path_.lastIndexOf(u'\\') + 1) + newName;
    name_ = newName;
}

FileObject FileSystemObject::GetFile(const QString &path) const
{
    return FileObject(platform_, path, platform_.storedFileName(path));
}

} // namespace brindlewick
