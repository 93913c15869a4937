#pragma once

#include "platform/DriveTable.h"
#include "platform/Platform.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

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
    QString checkFolder(const QString &folder) const override;
    FolderListing listFolder(const QString &folder, EntryKind kind) const override;
    bool isFile(const QString &folder, const QString &name) const override;
    void renameFile(const QString &folder, const QString &name,
                    const QString &newName) const override;
    std::unique_ptr<FolderBatch> beginBatch(const QString &folder) const override;

private:
    class Batch;
    // A file's folder, opened, and its name in it.
    struct FileInFolder {
        int dirFd;
        bool ownsFd;
    };

    struct MappedPath {
        QString readBack;  // "C:\" at a root, "C:\a\b" below it
        QByteArray native; // where it is on this machine
    };

    // Throws when path is no drive path or its drive does not exist. The answer holds until
    // the next call.
    const MappedPath &map(const QString &path) const;
    // A folder is checked and then listed, by the same path: the last mapping serves both.
    mutable std::optional<std::pair<QString, MappedPath>> lastMapped_;
    FileInFolder openFileFolder(const QString &folder, const QString &name) const;

    DriveTable drives_;
    std::array<QByteArray, 26> nativeMountPoints_; // by drive letter
    QString windowsDirectory_;
    // The folder of the running batch, in drive-path form with its final "\", and its fd.
    mutable QString batchFolder_;
    mutable int batchFd_ = -1;
    mutable std::vector<char> direntBuffer_;
};

} // namespace brindlewick
