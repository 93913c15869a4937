// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PosixPlatform.h"

#include "platform/DrivePath.h"
#include "platform/MountTable.h"
#include "platform/NameOrder.h"

#include <QFileInfo>
#include <QVarLengthArray>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace brindlewick
{

namespace
{

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw PlatformError(what + QStringLiteral(" \"") + path + QStringLiteral("\": ") +
                        errnoText(error));
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// A name as the file system takes it (UTF-8), kept on the stack when it is short plain ASCII.
class NativeName
{
public:
    explicit NativeName(QStringView name)
    {
        if (isAscii(name)) {
            bytes_.resize(name.size() + 1);
            for (qsizetype i = 0; i < name.size(); ++i)
                bytes_[i] = char(name[i].unicode());
            bytes_[name.size()] = '\0';
        } else {
            const QByteArray utf8 = name.toUtf8();
            bytes_.append(utf8.constData(), utf8.size() + 1);
        }
    }
    const char *data() const { return bytes_.constData(); }

private:
    QVarLengthArray<char, 256> bytes_;
};

// Names on disk are bytes; only those that are valid UTF-8 can be shown and acted on again.
bool decodeName(const char *bytes, QString &name)
{
    const QByteArrayView raw(bytes);
    if (std::all_of(raw.begin(), raw.end(), [](char c) { return (unsigned char)c < 0x80; })) {
        name = QString::fromLatin1(raw); // the quick way for the common case
        return true;
    }
    name = QString::fromUtf8(raw);
    return !name.contains(QChar::ReplacementCharacter) || name.toUtf8() == raw;
}

FolderIdentity identityOf(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

// An open descriptor, closed when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept : fd_(other.release()) {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        if (this != &other) {
            if (fd_ >= 0)
                ::close(fd_);
            fd_ = other.release();
        }
        return *this;
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// A folder opened by its native path, to be listed and entered: its descriptor and what it is,
// or the error that kept it from opening.
struct OpenedFolder {
    Descriptor descriptor{-1};
    FolderIdentity identity;
    int error = 0;
};

OpenedFolder openNative(const QByteArray &native)
{
    OpenedFolder opened;
    opened.descriptor = Descriptor(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {
    };
    // Listing needs to read the folder and to look into it.
    if (opened.descriptor.get() < 0 ||
        ::faccessat(opened.descriptor.get(), ".", R_OK | X_OK, AT_EACCESS) != 0 ||
        ::fstat(opened.descriptor.get(), &status) != 0)
        opened.error = errno;
    else
        opened.identity = identityOf(status);
    return opened;
}

// The folder of dirFd and every folder above it, each reached by "..", up to the root where
// ".." is the folder itself. Going up from an open folder sees through the links that led to
// it; at a mount's root, ".." goes on from where the mount hangs. Stops early where a folder
// above cannot be looked into.
std::vector<FolderIdentity> foldersUpFrom(int dirFd)
{
    std::vector<FolderIdentity> chain;
    struct stat status {
    };
    if (::fstat(dirFd, &status) != 0)
        return chain;
    chain.push_back(identityOf(status));
    std::optional<Descriptor> current;
    // Deeper than any real tree; a bound on the walk whatever the kernel reports.
    for (int depth = 0; depth < 4096; ++depth) {
        const int at = current ? current->get() : dirFd;
        current.emplace(::openat(at, "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (current->get() < 0 || ::fstat(current->get(), &status) != 0)
            break;
        const FolderIdentity parent = identityOf(status);
        if (parent == chain.back())
            break;
        chain.push_back(parent);
    }
    return chain;
}

// What a folder entry is. A link counts as what it leads to; a dangling link is neither.
struct EntryType {
    bool file = false;
    bool folder = false;
    bool link = false;
    FolderIdentity target;
};

EntryType typeOf(int dirFd, const char *name, unsigned char type)
{
    EntryType result;
    if (type == DT_REG || type == DT_DIR) {
        result.file = type == DT_REG;
        result.folder = type == DT_DIR;
        return result;
    }
    struct stat status {
    };
    if (type == DT_UNKNOWN) { // a file system that does not say
        if (::fstatat(dirFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            return result;
        result.link = S_ISLNK(status.st_mode);
    } else {
        result.link = type == DT_LNK;
    }
    if (result.link) {
        if (::fstatat(dirFd, name, &status, 0) != 0)
            return result;
        result.target = identityOf(status);
    }
    result.file = S_ISREG(status.st_mode);
    result.folder = S_ISDIR(status.st_mode);
    return result;
}

} // namespace

PosixPlatform::PosixPlatform(DriveTable drives, QString windowsDirectory, RenameWay firstRenameWay)
    : drives_(std::move(drives)), windowsDirectory_(std::move(windowsDirectory)),
      firstRenameWay_(firstRenameWay)
{
    for (const Drive &drive : drives_.drives()) {
        const char16_t letter = drive.letter.unicode();
        if (letter >= u'A' && letter <= u'Z')
            nativeMountPoints_[std::size_t(letter - u'A')] = drive.mountPoint.toUtf8();
    }
}

std::unique_ptr<PosixPlatform> PosixPlatform::forThisMachine()
{
    // Mounts are reported by their real location, so the folder is compared in that form.
    const QString systemFolder = QFileInfo(QStringLiteral("/usr")).canonicalFilePath();
    // A mount that has not answered within a second gets no letter, rather than keep the
    // window from opening.
    return std::make_unique<PosixPlatform>(
        machineDrives(systemFolder.isEmpty() ? QStringLiteral("/usr") : systemFolder,
                      std::chrono::seconds(1)),
        QStringLiteral("C:\\usr"));
}

PosixPlatform::MappedPath PosixPlatform::map(QStringView path) const
{
    // Folders are opened by the thousand when a tree is walked: map the path without taking it
    // apart.
    const std::optional<CheckedDrivePath> checked = checkDrivePath(path);
    if (!checked)
        throw PlatformError(QStringLiteral("Not a drive path: \"") + path.toString() + u'"');
    const Drive *drive = drives_.find(checked->letter);
    if (!drive)
        throw PlatformError(QStringLiteral("No drive ") + checked->letter + u':');

    const QStringView below = checked->below;
    MappedPath mapped;
    mapped.readBack.reserve(below.size() + 3);
    mapped.readBack += checked->letter;
    mapped.readBack += u':';
    mapped.readBack += below.isEmpty() ? QStringView(u"\\") : below;
    QByteArrayView mountPoint = nativeMountPoints_[std::size_t(drive->letter.unicode() - u'A')];
    if (mountPoint.endsWith('/') && !below.isEmpty())
        mountPoint.chop(1);
    if (isAscii(below)) {
        mapped.native.resize(mountPoint.size() + below.size());
        char *out = std::copy(mountPoint.begin(), mountPoint.end(), mapped.native.data());
        for (const QChar c : below)
            *out++ = c == u'\\' ? '/' : char(c.unicode());
    } else {
        mapped.native.append(mountPoint);
        QByteArray tail = below.toUtf8();
        std::replace(tail.begin(), tail.end(), '\\', '/');
        mapped.native.append(tail);
    }
    return mapped;
}

DriveType PosixPlatform::driveType(const QString &root) const
{
    const std::optional<DrivePath> path = parseDrivePath(root);
    if (!path || !path->isRoot() || !root.endsWith(u'\\'))
        return DriveType::NoRootDir;
    const Drive *drive = drives_.find(path->letter);
    return drive ? drive->type : DriveType::NoRootDir;
}

QString PosixPlatform::volumeLabel(const QString &drive) const
{
    const std::optional<DrivePath> path = parseDrivePath(drive);
    const Drive *found = path && path->isRoot() ? drives_.find(path->letter) : nullptr;
    if (!found)
        throw PlatformError(QStringLiteral("No drive ") + drive);
    // The drive text ends in "(C:)" and is read back from there: keep the label from
    // carrying its own colon or separator.
    QString label = found->label;
    label.remove(u':');
    label.remove(u'\\');
    return label;
}

QString PosixPlatform::windowsDirectory() const
{
    return windowsDirectory_;
}

OpenFolder PosixPlatform::openFolder(const QString &folder) const
{
    const MappedPath path = map(folder);
    OpenedFolder opened = openNative(path.native);
    if (opened.error != 0)
        fail(QStringLiteral("Cannot open folder"), folder, opened.error);
    return std::make_shared<const FolderHandle>(opened.descriptor.release(), path.readBack,
                                                opened.identity);
}

OpenFolder PosixPlatform::openFolder(const QString &folder, std::chrono::milliseconds patience,
                                     const std::function<void()> &whileWaiting) const
{
    // Shared with the thread, which may outlive this call and the platform itself: it asks the
    // file system by the native path alone, and closes what it opens if nobody waits any more.
    struct Opening {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<OpenedFolder> result;
        bool abandoned = false;
    };
    const MappedPath path = map(folder);
    const auto opening = std::make_shared<Opening>();
    try {
        std::thread([opening, native = path.native] {
            OpenedFolder opened = openNative(native);
            const std::lock_guard lock(opening->mutex);
            if (!opening->abandoned)
                opening->result = std::move(opened);
            opening->done.notify_all();
        }).detach();
    } catch (const std::system_error &error) {
        fail(QStringLiteral("Cannot open folder"), folder, error.code().value());
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::unique_lock lock(opening->mutex);
    while (!opening->result && std::chrono::steady_clock::now() < deadline) {
        if (whileWaiting) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
        opening->done.wait_for(lock, std::chrono::milliseconds(20),
                               [&] { return opening->result.has_value(); });
    }
    if (!opening->result) {
        opening->abandoned = true;
        return nullptr;
    }
    if (opening->result->error != 0)
        fail(QStringLiteral("Cannot open folder"), folder, opening->result->error);
    return std::make_shared<const FolderHandle>(opening->result->descriptor.release(),
                                                path.readBack, opening->result->identity);
}

bool PosixPlatform::mayStopAnswering(const QString &folder) const
{
    // Asked for every folder the look-ahead opens: the path is mapped only when there is a
    // mount to find it on.
    try {
        return !mounts_.noneMayStopAnswering() && mounts_.mayStopAnswering(map(folder).native);
    } catch (const PlatformError &) {
        return false; // no such drive: nothing to wait for
    }
}

bool PosixPlatform::isAtItsPath(const FolderHandle &folder) const
{
    try {
        struct stat status {
        };
        return ::stat(map(folder.path()).native.constData(), &status) == 0 &&
               S_ISDIR(status.st_mode) && identityOf(status) == folder.identity();
    } catch (const PlatformError &) {
        return false; // its drive is gone
    }
}

bool PosixPlatform::isInSystemFolder(const FolderHandle &folder) const
{
    QByteArray systemFolder;
    try {
        systemFolder = map(windowsDirectory_).native;
    } catch (const PlatformError &) {
        return false; // no such drive here: nothing lies inside it
    }
    // What cannot be told is refused: a folder kept from renaming costs less than the system's
    // own files renamed.
    return mounts_.liesIn(folder.descriptor(), systemFolder).value_or(true);
}

FolderListing PosixPlatform::listFolder(const FolderHandle &folder, EntryKind kind) const
{
    const int dirFd = folder.descriptor();
    // One open folder serves every listing of it, each from the start.
    if (folder.hasBeenRead() && ::lseek(dirFd, 0, SEEK_SET) != 0)
        fail(QStringLiteral("Cannot read folder"), folder.path(), errno);
    folder.markRead();

    FolderListing listing;
    // The folder and those above it, read only when a link to a folder turns up.
    std::optional<std::vector<FolderIdentity>> above;
    // Read straight into a buffer on the stack: a tree walk lists thousands of small folders,
    // and a directory stream would allocate its own buffer for each one.
    alignas(dirent64) char buffer[32 * 1024];
    QString name;
    for (;;) {
        const ssize_t filled = ::getdents64(dirFd, buffer, sizeof buffer);
        if (filled < 0)
            fail(QStringLiteral("Cannot read folder"), folder.path(), errno);
        if (filled == 0)
            break;
        // Most folders fit in one read: room for all their names at once.
        if (listing.names.isEmpty()) {
            qsizetype entries = 0;
            for (ssize_t offset = 0; offset < filled; ++entries)
                offset += reinterpret_cast<const dirent64 *>(buffer + offset)->d_reclen;
            listing.names.reserve(entries);
        }
        for (ssize_t offset = 0; offset < filled;) {
            const auto *entry = reinterpret_cast<const dirent64 *>(buffer + offset);
            offset += entry->d_reclen;
            const EntryType type = typeOf(dirFd, entry->d_name, entry->d_type);
            if (!(kind == EntryKind::Files ? type.file : type.folder) ||
                !decodeName(entry->d_name, name) || !isShownEntryName(name))
                continue;
            if (kind == EntryKind::Folders && type.link) {
                if (!above)
                    above = foldersUpFrom(dirFd);
                if (std::find(above->begin(), above->end(), type.target) != above->end())
                    listing.leadingBack.append(name);
            }
            listing.names.append(std::move(name));
        }
    }
    sortNames(listing.names);
    return listing;
}

bool PosixPlatform::isFile(const FolderHandle &folder, const QString &name) const
{
    struct stat status {
    };
    return isRepresentableName(name) &&
           ::fstatat(folder.descriptor(), NativeName(name).data(), &status, 0) == 0 &&
           S_ISREG(status.st_mode);
}

void PosixPlatform::renameFile(const FolderHandle &folder, const QString &name,
                               const QString &newName) const
{
    if (!isRepresentableName(name))
        throw PlatformError(QStringLiteral("Not a file name: \"") + name + u'"');
    if (!isRepresentableName(newName))
        throw PlatformError(QStringLiteral("Invalid file name \"") + newName + u'"');
    const QByteArray to = newName.toUtf8();
    if (QString::fromUtf8(to) != newName)
        throw PlatformError(QStringLiteral("File name is not valid text: \"") + newName + u'"');
    const QByteArray from = name.toUtf8();

    const bool caseOnly = newName.compare(name, Qt::CaseInsensitive) == 0;
    const std::function<void()> *whileReserved = whileNameReserved_ ? &whileNameReserved_ : nullptr;
    const int result =
        caseOnly ? renameLetterCase(folder.descriptor(), from, to, firstRenameWay_, whileReserved)
                 : renameWithoutReplacing(folder.descriptor(), from.constData(), to.constData(),
                                          firstRenameWay_, whileReserved);
    if (result == 0)
        return;
    const int error = errno;
    const QString path =
        folder.path().endsWith(u'\\') ? folder.path() + name : folder.path() + u'\\' + name;
    if (result == TakenMeanwhile)
        throw PlatformError(QStringLiteral("Cannot rename \"") + path + QStringLiteral("\": \"") +
                            newName + QStringLiteral("\" was taken by another program meanwhile"));
    if (error == EEXIST)
        throw PlatformError(QStringLiteral("Cannot rename \"") + path + QStringLiteral("\": \"") +
                            newName + QStringLiteral("\" already exists"));
    fail(QStringLiteral("Cannot rename to \"") + newName + QStringLiteral("\":"), path, error);
}

void PosixPlatform::flushFolder(const FolderHandle &folder) const
{
    // EINVAL and EROFS: a file system with nothing to flush, or that cannot.
    if (::fsync(folder.descriptor()) != 0 && errno != EINVAL && errno != EROFS)
        fail(QStringLiteral("Cannot flush folder"), folder.path(), errno);
}

} // namespace brindlewick
