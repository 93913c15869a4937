#include "platform/FileSystemObject.h"

namespace brindlewick
{

namespace
{

std::pair<QString, QString> splitPath(const QString &path)
{
    const qsizetype separator = path.lastIndexOf(u'\\');
    return {path.left(separator + 1), path.mid(separator + 1)};
}

} // namespace

FileObject::FileObject(const Platform &platform, QString folder, QString name)
    : platform_(&platform), folder_(std::move(folder)), name_(std::move(name))
{
}

void FileObject::setName(const QString &newName)
{
    platform_->renameFile(folder_, name_, newName);
    name_ = newName;
}

bool FileSystemObject::FileExists(const QString &path) const
{
    const auto [folder, name] = splitPath(path);
    return FileExists(folder, name);
}

FileObject FileSystemObject::GetFile(const QString &path) const
{
    const auto [folder, name] = splitPath(path);
    return GetFile(folder, name);
}

bool FileSystemObject::FileExists(const QString &folder, const QString &name) const
{
    const bool found = platform_.isFile(folder, name);
    foundFolder_ = found ? folder : QString();
    foundName_ = found ? name : QString();
    return found;
}

FileObject FileSystemObject::GetFile(const QString &folder, const QString &name) const
{
    const bool foundJustNow = !foundName_.isEmpty() && name == foundName_ && folder == foundFolder_;
    foundFolder_.clear();
    foundName_.clear();
    if (!foundJustNow && !platform_.isFile(folder, name))
        throw PlatformError(QStringLiteral("No file \"") + folder + name + u'"');
    return FileObject(platform_, folder, name);
}

} // namespace brindlewick
