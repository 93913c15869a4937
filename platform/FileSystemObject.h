#pragma once

#include "platform/Platform.h"

namespace brindlewick
{

// One file, found by its full drive path.
class FileObject
{
public:
    FileObject(const Platform &platform, QString path);

    // Its name without folder. Names are compared as stored, letter case included.
    QString Name() const;
    // Renames the file inside its folder; throws, the file unchanged, when it cannot.
    void setName(const QString &newName);

private:
    const Platform *platform_;
    QString path_;
};

class FileSystemObject
{
public:
    explicit FileSystemObject(const Platform &platform) : platform_(platform) {}

    bool FileExists(const QString &path) const;
    // Throws when there is no file at path.
    FileObject GetFile(const QString &path) const;

private:
    const Platform &platform_;
    // The file FileExists found last, which GetFile takes without asking again: filling a
    // large list asks both questions of each file in a row.
    mutable QString foundPath_;
};

} // namespace brindlewick
