#pragma once

#include "platform/DriveTable.h"
#include "platform/Platform.h"

#include <memory>

namespace brindlewick
{

// The platform over a POSIX file system: each drive letter stands for a mounted folder.
class PosixPlatform final : public Platform
{
public:
    PosixPlatform(DriveTable drives, QString windowsDirectory);
    // The drives of this machine: C: is "/", the other disks follow in mount order.
    static std::unique_ptr<PosixPlatform> forThisMachine();

    const DriveTable &drives() const { return drives_; }

    DriveType driveType(const QString &root) const override;
    QString volumeLabel(const QString &drive) const override;
    QString windowsDirectory() const override;
    FolderListing listFolder(const QString &folder, EntryKind kind) const override;
    bool fileExists(const QString &path) const override;
    QString storedFileName(const QString &path) const override;
    void renameFile(const QString &path, const QString &newName) const override;

private:
    DrivePath parse(const QString &path) const;
    QByteArray nativeOf(const DrivePath &path) const;

    DriveTable drives_;
    QString windowsDirectory_;
};

} // namespace brindlewick
