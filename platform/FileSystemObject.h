#pragma once

#include "platform/Platform.h"

namespace brindlewick
{

// One file: its folder (a drive path with its final "\") and its name there.
class FileObject
{
public:
    FileObject(const Platform &platform, QString folder, QString name);

    // Its name without folder, as stored.
    QString Name() const { return name_; }
    // Renames the file inside its folder; throws, the file unchanged, when it cannot.
    void setName(const QString &newName);

private:
    const Platform *platform_;
    QString folder_;
    QString name_;
};

class FileSystemObject
{
public:
    explicit FileSystemObject(const Platform &platform) : platform_(platform) {}

    bool FileExists(const QString &path) const;
    // Throws when there is no file at path.
    FileObject GetFile(const QString &path) const;

    // The same, for the file name in folder (with its final "\"): a large folder's files
    // are asked for without building each one's path.
    bool FileExists(const QString &folder, const QString &name) const;
    FileObject GetFile(const QString &folder, const QString &name) const;

private:
    const Platform &platform_;
    // The file FileExists found last, which GetFile takes without asking again: filling a
    // large list asks both questions of each file in a row.
    mutable QString foundFolder_;
    mutable QString foundName_;
};

} // namespace brindlewick
