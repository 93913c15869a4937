// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PosixPlatform.h"

#include "platform/AnswerWait.h"
#include "platform/DrivePath.h"
#include "platform/MountTable.h"
#include "platform/NameOrder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QVarLengthArray>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
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

// What is the matter with a path, as "Cannot read folder "%1": %2", with the system's reason.
[[noreturn]] void fail(const QString &pattern, const QString &path, int error)
{
    throw PlatformError(pattern.arg(path, errnoText(error)));
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

// Tells answers to whoever waits on a file system that may stop answering; nothing elsewhere.
void answered(Answers *answers)
{
    if (answers)
        answers->arrived();
}

// The folder or file at an absolute native path, reached one name at a time with an answer
// told for each: a deep folder on a share that is slow to answer takes as many answers as it
// has names, and is not taken for one that stopped answering. O_PATH: nothing is asked of it
// yet. Returns -1, errno set, when it cannot be reached.
int walkTo(const QByteArray &native, Answers *answers)
{
    Descriptor at(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray &name : native.split('/')) {
        if (at.get() < 0)
            break;
        if (!name.isEmpty()) {
            at = Descriptor(::openat(at.get(), name.constData(), O_PATH | O_CLOEXEC));
            answered(answers);
        }
    }
    return at.release();
}

// answers: given for a file system that may stop answering, and told of each of its answers.
OpenedFolder openNative(const QByteArray &native, Answers *answers = nullptr)
{
    OpenedFolder opened;
    if (answers) {
        const Descriptor reached(walkTo(native, answers));
        opened.descriptor = Descriptor(
            reached.get() < 0 ? -1
                              : ::openat(reached.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    } else {
        opened.descriptor =
            Descriptor(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    answered(answers);
    struct stat status {
    };
    // Listing needs to read the folder and to look into it.
    const auto fails = [&](int result) {
        answered(answers);
        return result != 0;
    };
    if (opened.descriptor.get() < 0 ||
        fails(::faccessat(opened.descriptor.get(), ".", R_OK | X_OK, AT_EACCESS)) ||
        fails(::fstat(opened.descriptor.get(), &status)))
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

// Looks at what the link name of dirFd leads to; false when that cannot be told.
using FollowLink = std::function<bool(int dirFd, const char *name, struct stat &status)>;

bool followDirectly(int dirFd, const char *name, struct stat &status)
{
    return ::fstatat(dirFd, name, &status, 0) == 0;
}

EntryType typeOf(int dirFd, const char *name, unsigned char type, const FollowLink &follow)
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
        if (!follow(dirFd, name, status))
            return result;
        result.target = identityOf(status);
    }
    result.file = S_ISREG(status.st_mode);
    result.folder = S_ISDIR(status.st_mode);
    return result;
}

// The visible files or subfolders of the open folder dirFd, path for messages.
FolderListing listNative(int dirFd, bool fromStart, EntryKind kind, const QString &path,
                         Answers *answers, const FollowLink &follow)
{
    // One open folder serves every listing of it, each from the start.
    if (fromStart && ::lseek(dirFd, 0, SEEK_SET) != 0)
        fail(QCoreApplication::translate("PosixPlatform", "Cannot read folder \"%1\": %2"), path,
             errno);

    FolderListing listing;
    // The folder and those above it, read only when a link to a folder turns up.
    std::optional<std::vector<FolderIdentity>> above;
    // Read straight into a buffer on the stack: a tree walk lists thousands of small folders,
    // and a directory stream would allocate its own buffer for each one.
    alignas(dirent64) char buffer[32 * 1024];
    QString name;
    for (;;) {
        const ssize_t filled = ::getdents64(dirFd, buffer, sizeof buffer);
        answered(answers);
        if (filled < 0)
            fail(QCoreApplication::translate("PosixPlatform", "Cannot read folder \"%1\": %2"),
                 path, errno);
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
            const EntryType type = typeOf(dirFd, entry->d_name, entry->d_type, follow);
            answered(answers);
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

bool isFileNative(int dirFd, const char *name, const FollowLink &follow)
{
    // What a link leads to is looked at only for links, which may lead anywhere.
    struct stat status {
    };
    return ::fstatat(dirFd, name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           (!S_ISLNK(status.st_mode) || follow(dirFd, name, status)) && S_ISREG(status.st_mode);
}

// Renames name to newName inside the open folder dirFd, never replacing another file; path
// for messages.
void renameNative(int dirFd, const QString &path, const QString &name, const QString &newName,
                  RenameWay firstWay, const std::function<void()> *whileReserved)
{
    const QByteArray from = name.toUtf8();
    const QByteArray to = newName.toUtf8();
    const bool caseOnly = newName.compare(name, Qt::CaseInsensitive) == 0;
    const int result = caseOnly ? renameLetterCase(dirFd, from, to, firstWay, whileReserved)
                                : renameWithoutReplacing(dirFd, from.constData(), to.constData(),
                                                         firstWay, whileReserved);
    if (result == 0)
        return;
    const int error = errno;
    const QString file = path.endsWith(u'\\') ? path + name : path + u'\\' + name;
    if (result == TakenMeanwhile)
        throw PlatformError(
            QCoreApplication::translate(
                "PosixPlatform",
                "Cannot rename \"%1\": \"%2\" was taken by another program meanwhile")
                .arg(file, newName));
    if (error == EEXIST)
        throw PlatformError(QCoreApplication::translate(
                                "PosixPlatform", "Cannot rename \"%1\": \"%2\" already exists")
                                .arg(file, newName));
    throw PlatformError(
        QCoreApplication::translate("PosixPlatform", "Cannot rename to \"%1\": \"%2\": %3")
            .arg(newName, file, errnoText(error)));
}

void flushNative(int dirFd, const QString &path)
{
    // EINVAL and EROFS: a file system with nothing to flush, or that cannot.
    if (::fsync(dirFd) != 0 && errno != EINVAL && errno != EROFS)
        fail(QCoreApplication::translate("PosixPlatform", "Cannot flush folder \"%1\": %2"), path,
             errno);
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
        throw PlatformError(
            QCoreApplication::translate("PosixPlatform", "Not a drive path: \"%1\"").arg(path));
    const Drive *drive = drives_.find(checked->letter);
    if (!drive)
        throw PlatformError(QCoreApplication::translate("PosixPlatform", "No drive %1")
                                .arg(checked->letter + u':'));

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
        throw PlatformError(QCoreApplication::translate("PosixPlatform", "No drive %1").arg(drive));
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

void PosixPlatform::setWaitHooks(WaitHooks hooks)
{
    waitHooks_ = std::move(hooks);
}

template<typename Result, typename Work>
Result PosixPlatform::ask(const FolderHandle &folder, Work &&work) const
{
    if (!folder.mayStopAnswering())
        return work(folder.descriptor(), nullptr);
    if (folder.hasStoppedAnswering())
        throw PlatformError(QCoreApplication::translate(
                                "PosixPlatform", "The file system of \"%1\" stopped answering")
                                .arg(folder.path()));
    // The thread gets a descriptor of its own: should it be left waiting, the folder's may be
    // closed and its number given to another folder before the file system answers.
    const int own = ::fcntl(folder.descriptor(), F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        fail(QCoreApplication::translate("PosixPlatform", "Cannot ask folder \"%1\": %2"),
             folder.path(), errno);
    const auto descriptor = std::make_shared<Descriptor>(own);
    const auto finished = std::make_shared<std::atomic<bool>>(false);
    try {
        return answerOf<Result>(
            [descriptor, finished, work = std::forward<Work>(work)](Answers &answers) {
                const auto done = qScopeGuard([&] { *finished = true; });
                return work(descriptor->get(), &answers);
            },
            patience_, waitHooks_);
    } catch (const PlatformError &) {
        if (!*finished)
            folder.markStoppedAnswering();
        throw;
    }
}

OpenFolder PosixPlatform::openFolder(const QString &folder) const
{
    const MappedPath path = map(folder);
    bool mayStop = !mounts_.noneMayStopAnswering() && mounts_.mayStopAnswering(path.native);
    OpenedFolder opened;
    if (mayStop) {
        // Left waiting, the thread closes what it opens once the file system answers.
        opened = answerOf<OpenedFolder>(
            [native = path.native](Answers &answers) { return openNative(native, &answers); },
            patience_, waitHooks_);
    } else {
        opened = openNative(path.native);
        // A link may have led onto such a file system, which answered this time.
        mayStop = opened.error == 0 && !mounts_.noneMayStopAnswering() &&
                  mounts_.mayStopAnswering(opened.descriptor.get());
    }
    if (opened.error != 0)
        fail(QCoreApplication::translate("PosixPlatform", "Cannot open folder \"%1\": %2"), folder,
             opened.error);
    return std::make_shared<const FolderHandle>(opened.descriptor.release(), path.readBack,
                                                opened.identity, mayStop);
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
    QByteArray native;
    try {
        native = map(folder.path()).native;
    } catch (const PlatformError &) {
        return false; // its drive is gone
    }
    const auto atItsPath = [native, identity = folder.identity()](int, Answers *answers) {
        struct stat status {
        };
        const Descriptor reached(answers ? walkTo(native, answers) : -1);
        const bool found = answers ? reached.get() >= 0 && ::fstat(reached.get(), &status) == 0
                                   : ::stat(native.constData(), &status) == 0;
        answered(answers);
        return found && S_ISDIR(status.st_mode) && identityOf(status) == identity;
    };
    // Asked through the folder, so that a silence is remembered there.
    if (folder.mayStopAnswering())
        return ask<bool>(folder, atItsPath);
    if (mounts_.noneMayStopAnswering() || !mounts_.mayStopAnswering(native))
        return atItsPath(-1, nullptr);
    // The path leads onto such a file system now, though the folder was not on one.
    return answerOf<bool>([atItsPath](Answers &answers) { return atItsPath(-1, &answers); },
                          patience_, waitHooks_);
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

FollowLink PosixPlatform::linkFollower() const
{
    if (mounts_.noneMayStopAnswering())
        return followDirectly;
    // A link in a folder that answers may lead onto a file system that does not: where it leads
    // is asked on a thread of its own. Once one such question goes unanswered, the other links
    // of the same listing are passed by, rather than waited on one after the other.
    return [this, givenUp = std::make_shared<bool>(false)](int dirFd, const char *name,
                                                           struct stat &status) {
        if (*givenUp)
            return false;
        std::optional<struct stat> found;
        try {
            found = answerOf<std::optional<struct stat>>(
                [ dirFd, name = QByteArray(name) ](Answers &) -> std::optional<struct stat> {
                    struct stat target {
                    };
                    if (!followDirectly(dirFd, name.constData(), target))
                        return std::nullopt;
                    return target;
                },
                patience_, waitHooks_);
        } catch (const PlatformError &) {
            *givenUp = true;
            return false;
        }
        if (found)
            status = *found;
        return found.has_value();
    };
}

FolderListing PosixPlatform::listFolder(const FolderHandle &folder, EntryKind kind) const
{
    const bool fromStart = folder.hasBeenRead();
    folder.markRead();
    if (!folder.mayStopAnswering())
        return listNative(folder.descriptor(), fromStart, kind, folder.path(), nullptr,
                          linkFollower());
    return ask<FolderListing>(
        folder, [fromStart, kind, path = folder.path()](int dirFd, Answers *answers) {
            return listNative(dirFd, fromStart, kind, path, answers, followDirectly);
        });
}

bool PosixPlatform::isFile(const FolderHandle &folder, const QString &name) const
{
    if (!isRepresentableName(name))
        return false;
    if (!folder.mayStopAnswering()) {
        // Every file of a large folder is asked about: the way to follow a link is found only
        // for a link.
        const NativeName native(name);
        struct stat status {
        };
        if (::fstatat(folder.descriptor(), native.data(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        if (S_ISLNK(status.st_mode))
            return isFileNative(folder.descriptor(), native.data(), linkFollower());
        return S_ISREG(status.st_mode);
    }
    return ask<bool>(folder, [native = name.toUtf8()](int dirFd, Answers *) {
        return isFileNative(dirFd, native.constData(), followDirectly);
    });
}

void PosixPlatform::renameFile(const FolderHandle &folder, const QString &name,
                               const QString &newName) const
{
    if (!isRepresentableName(name))
        throw PlatformError(
            QCoreApplication::translate("PosixPlatform", "Not a file name: \"%1\"").arg(name));
    if (!isRepresentableName(newName))
        throw PlatformError(
            QCoreApplication::translate("PosixPlatform", "Invalid file name \"%1\"").arg(newName));
    if (QString::fromUtf8(newName.toUtf8()) != newName)
        throw PlatformError(
            QCoreApplication::translate("PosixPlatform", "File name is not valid text: \"%1\"")
                .arg(newName));
    if (!folder.mayStopAnswering()) {
        renameNative(folder.descriptor(), folder.path(), name, newName, firstRenameWay_,
                     whileNameReserved_ ? &whileNameReserved_ : nullptr);
        return;
    }
    ask<bool>(folder, [path = folder.path(), name, newName, way = firstRenameWay_,
                       whileReserved = whileNameReserved_](int dirFd, Answers *) {
        renameNative(dirFd, path, name, newName, way, whileReserved ? &whileReserved : nullptr);
        return true;
    });
}

void PosixPlatform::flushFolder(const FolderHandle &folder) const
{
    ask<bool>(folder, [path = folder.path()](int dirFd, Answers *) {
        flushNative(dirFd, path);
        return true;
    });
}

} // namespace brindlewick
