#pragma once

#include "platform/Platform.h"

namespace brindlewick
{

// One file, found by its full drive path.
class FileObject
{
public:
    FileObject(const Platform &platform, QString path, QString name);

    QString Name() const { return name_; }
    // Renames the file inside its folder; throws, the file unchanged, when it cannot.
    void setName(const QString &newName);

private:
    const Platform *platform_;
    QString path_;
    QString name_;
};

class FileSystemObject
{
public:
    explicit FileSystemObject(const Platform &platform) : platform_(platform) {}

    bool FileExists(const QString &path) const { return platform_.fileExists(path); }
    // Throws when there is no file at path.
    FileObject GetFile(const QString &path) const;

private:
    const Platform &platform_;
};

} // namespace brindlewick
