#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <stdexcept>

namespace brindlewick
{

// The codes of the desktop drive-type query the program was designed around.
enum class DriveType : int {
    Undetermined = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

// A failed file-system or drive operation. The cause is for notes and logs; the program's
// messages never show it.
class PlatformError : public std::runtime_error
{
public:
    explicit PlatformError(const QString &cause);
    QString cause() const { return cause_; }

private:
    QString cause_;
};

enum class EntryKind { Files, Folders };

struct FolderListing {
    QString path;      // the folder as it reads back: "C:\" at a root, "C:\a\b" below it
    QStringList names; // entry names without folder, in name order
};

class FolderBatch
{
public:
    virtual ~FolderBatch() = default;
};

// Everything the program knows of drives, folders and files. Paths are drive-letter paths
// ("C:\", "C:\home\ann"); an implementation maps them onto its own file system.
class Platform
{
public:
    virtual ~Platform() = default;

    // root: letter, ":" and "\".
    virtual DriveType driveType(const QString &root) const = 0;
    // drive: letter and ":". Throws when the drive has no readable label.
    virtual QString volumeLabel(const QString &drive) const = 0;
    // The operating system's own folder, which the tree refuses to open.
    virtual QString windowsDirectory() const = 0;

    // The folder as it reads back, when it can be opened. Throws when it cannot.
    virtual QString checkFolder(const QString &folder) const = 0;
    // The visible files or subfolders of a folder. Throws when it cannot be read.
    virtual FolderListing listFolder(const QString &folder, EntryKind kind) const = 0;
    // True when a file (not a folder) named name is in folder. folder is a drive path with its
    // final "\", as "C:\" or "C:\Photos\".
    virtual bool isFile(const QString &folder, const QString &name) const = 0;
    // Renames the file name of folder inside that folder, never replacing another file.
    // Throws, leaving the file as it was, when the name is taken or invalid.
    virtual void renameFile(const QString &folder, const QString &name,
                            const QString &newName) const = 0;

    // While the returned object lives, files directly in folder are found and renamed
    // relative to that folder, opened once: for work on many files of one folder.
    virtual std::unique_ptr<FolderBatch> beginBatch(const QString &folder) const = 0;
};

} // namespace brindlewick
