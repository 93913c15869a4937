#include "platform/PosixPlatform.h"

#include "platform/MountTable.h"
#include "platform/NameOrder.h"

#include <QScopeGuard>
#include <QVarLengthArray>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// File names on this platform are UTF-8, as QFile::encodeName has them; this is its fast way.
QByteArray nativeName(const QString &name)
{
    return name.toUtf8();
}

// A name as the file system takes it, kept on the stack when it is short plain ASCII.
class NativeName
{
public:
    explicit NativeName(QStringView name)
    {
        const bool ascii =
            std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii) {
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
    const bool ascii =
        std::all_of(raw.begin(), raw.end(), [](char c) { return (unsigned char)c < 0x80; });
    if (ascii) {
        name = QString::fromLatin1(raw); // the quick way for the common case
    } else {
        name = QString::fromUtf8(raw);
        if (name.contains(QChar::ReplacementCharacter) && name.toUtf8() != raw)
            return false;
    }
    return !name.contains(u'\\');
}

bool wanted(int dirFd, const char *name, unsigned char type, EntryKind kind)
{
    if (type == DT_UNKNOWN || type == DT_LNK) {
        struct stat status {
        };
        if (::fstatat(dirFd, name, &status, 0) != 0)
            return false; // a dangling link is neither a file nor a folder
        type = S_ISREG(status.st_mode) ? DT_REG : (S_ISDIR(status.st_mode) ? DT_DIR : DT_UNKNOWN);
    }
    return kind == EntryKind::Files ? type == DT_REG : type == DT_DIR;
}

#ifdef RENAME_NOREPLACE
int renameNoReplace(int dirFd, const char *from, const char *to)
{
    return ::renameat2(dirFd, from, dirFd, to, RENAME_NOREPLACE);
}
#else
int renameNoReplace(int, const char *, const char *)
{
    errno = ENOSYS;
    return -1;
}
#endif

// For file systems without an atomic no-replace rename: a hard link cannot replace either.
// Where links are not supported, look before renaming, the best such a file system allows.
int renameWithoutFlag(int dirFd, const char *from, const char *to)
{
    if (::linkat(dirFd, from, dirFd, to, 0) == 0)
        return ::unlinkat(dirFd, from, 0);
    if (errno == EEXIST)
        return -1;
    struct stat status {
    };
    if (::fstatat(dirFd, to, &status, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    if (errno != ENOENT)
        return -1;
    return ::renameat(dirFd, from, dirFd, to);
}

int renameKeepingOthers(int dirFd, const char *from, const char *to)
{
    const int result = renameNoReplace(dirFd, from, to);
    if (result == 0 || (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP))
        return result;
    return renameWithoutFlag(dirFd, from, to);
}

bool sameFile(int dirFd, const char *a, const char *b)
{
    struct stat first {
    };
    struct stat second {
    };
    return ::fstatat(dirFd, a, &first, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstatat(dirFd, b, &second, AT_SYMLINK_NOFOLLOW) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// On a file system that ignores letter case the new name is "taken" by the file itself;
// going through a free temporary name applies the change of case.
int renameCaseOnly(int dirFd, const QByteArray &from, const QByteArray &to)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray temporary =
            ".brindlewick-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
        if (renameKeepingOthers(dirFd, from.constData(), temporary.constData()) != 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        if (renameKeepingOthers(dirFd, temporary.constData(), to.constData()) == 0)
            return 0;
        const int error = errno;
        renameKeepingOthers(dirFd, temporary.constData(), from.constData());
        errno = error;
        return -1;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

PosixPlatform::PosixPlatform(DriveTable drives, QString windowsDirectory)
    : drives_(std::move(drives)), windowsDirectory_(std::move(windowsDirectory))
{
    for (const Drive &drive : drives_.drives()) {
        const char16_t letter = drive.letter.unicode();
        if (letter >= u'A' && letter <= u'Z')
            nativeMountPoints_[std::size_t(letter - u'A')] = nativeName(drive.mountPoint);
    }
}

std::unique_ptr<PosixPlatform> PosixPlatform::forThisMachine()
{
    return std::make_unique<PosixPlatform>(assignDriveLetters(readMachineMounts()),
                                           QStringLiteral("C:\\usr"));
}

const PosixPlatform::MappedPath &PosixPlatform::map(const QString &path) const
{
    // Folders are looked up by the thousand when a tree is walked: map the path without
    // taking it apart.
    if (lastMapped_ && lastMapped_->first == path)
        return lastMapped_->second;
    const std::optional<CheckedDrivePath> checked = checkDrivePath(path);
    if (!checked)
        throw PlatformError(QStringLiteral("Not a drive path: \"") + path + u'"');
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
    const bool ascii =
        std::all_of(below.begin(), below.end(), [](QChar c) { return c.unicode() < 0x80; });
    QByteArray native;
    native.reserve(mountPoint.size() + (ascii ? below.size() : 3 * below.size()));
    native.append(mountPoint);
    if (ascii) {
        for (const QChar c : below)
            native.append(c == u'\\' ? '/' : char(c.unicode()));
    } else {
        QByteArray tail = below.toUtf8();
        std::replace(tail.begin(), tail.end(), '\\', '/');
        native.append(tail);
    }
    mapped.native = std::move(native);
    // Made before the old mapping goes, in case path is a part of it.
    std::pair<QString, MappedPath> latest(path, std::move(mapped));
    lastMapped_ = std::move(latest);
    return lastMapped_->second;
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

FolderListing PosixPlatform::listFolder(const QString &folder, EntryKind kind) const
{
    const MappedPath &path = map(folder);
    const int dirFd = ::open(path.native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        fail(QStringLiteral("Cannot open folder"), folder, errno);
    const auto closeDir = qScopeGuard([dirFd] { ::close(dirFd); });

    // Read straight into a buffer kept for the purpose: a tree walk lists thousands of small
    // folders, and a directory stream would allocate its own buffer for each one.
    if (direntBuffer_.empty())
        direntBuffer_.resize(64 * 1024);
    FolderListing listing{path.readBack, {}};
    QString name;
    for (;;) {
        const ssize_t filled = ::getdents64(dirFd, direntBuffer_.data(), direntBuffer_.size());
        if (filled < 0)
            fail(QStringLiteral("Cannot read folder"), folder, errno);
        if (filled == 0)
            break;
        for (ssize_t offset = 0; offset < filled;) {
            const auto *entry = reinterpret_cast<const dirent64 *>(direntBuffer_.data() + offset);
            offset += entry->d_reclen;
            // Hidden by convention; also skips "." and "..".
            if (entry->d_name[0] != '.' && wanted(dirFd, entry->d_name, entry->d_type, kind) &&
                decodeName(entry->d_name, name))
                listing.names.append(name);
        }
    }
    sortNames(listing.names);
    return listing;
}

// Opens a file's folder, or takes the running batch's when it is that folder. Throws when
// folder and name name no file or the folder cannot be opened.
PosixPlatform::FileInFolder PosixPlatform::openFileFolder(const QString &folder,
                                                          const QString &name) const
{
    if (!isRepresentableName(name))
        throw PlatformError(QStringLiteral("Not a file name: \"") + name + u'"');
    if (batchFd_ >= 0 && folder == batchFolder_)
        return {batchFd_, false};
    const int dirFd = ::open(map(folder).native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        fail(QStringLiteral("Cannot open folder"), folder, errno);
    return {dirFd, true};
}

QString PosixPlatform::checkFolder(const QString &folder) const
{
    const MappedPath &path = map(folder);
    // The final "/" lets only a folder pass; reading and entering it is what listing needs.
    QVarLengthArray<char, 512> native(path.native.constData(),
                                      path.native.constData() + path.native.size());
    native.append("/", 2);
    if (::faccessat(AT_FDCWD, native.constData(), R_OK | X_OK, AT_EACCESS) != 0)
        fail(QStringLiteral("Cannot open folder"), folder, errno);
    return path.readBack;
}

bool PosixPlatform::isFile(const QString &folder, const QString &name) const
{
    try {
        const FileInFolder file = openFileFolder(folder, name);
        const auto closeDir = qScopeGuard([&file] {
            if (file.ownsFd)
                ::close(file.dirFd);
        });
        struct stat status {
        };
        return ::fstatat(file.dirFd, NativeName(name).data(), &status, 0) == 0 &&
               S_ISREG(status.st_mode);
    } catch (const PlatformError &) {
        return false;
    }
}

void PosixPlatform::renameFile(const QString &folder, const QString &name,
                               const QString &newName) const
{
    if (!isRepresentableName(newName))
        throw PlatformError(QStringLiteral("Invalid file name \"") + newName + u'"');
    const QByteArray to = newName.toUtf8();
    if (QString::fromUtf8(to) != newName)
        throw PlatformError(QStringLiteral("File name is not valid text: \"") + newName + u'"');

    const FileInFolder file = openFileFolder(folder, name);
    const auto closeDir = qScopeGuard([&file] {
        if (file.ownsFd)
            ::close(file.dirFd);
    });
    const QByteArray from = nativeName(name);
    if (renameKeepingOthers(file.dirFd, from.constData(), to.constData()) == 0)
        return;
    int error = errno;
    const bool caseOnly = newName.compare(name, Qt::CaseInsensitive) == 0;
    if (error == EEXIST && caseOnly && sameFile(file.dirFd, from.constData(), to.constData())) {
        if (renameCaseOnly(file.dirFd, from, to) == 0)
            return;
        error = errno;
    }
    const QString path = folder + name;
    if (error == EEXIST)
        throw PlatformError(QStringLiteral("Cannot rename \"") + path + QStringLiteral("\": \"") +
                            newName + QStringLiteral("\" already exists"));
    fail(QStringLiteral("Cannot rename to \"") + newName + QStringLiteral("\":"), path, error);
}

class PosixPlatform::Batch final : public FolderBatch
{
public:
    explicit Batch(const PosixPlatform &platform) : platform_(platform) {}
    ~Batch() override
    {
        ::close(platform_.batchFd_);
        platform_.batchFd_ = -1;
        platform_.batchFolder_.clear();
    }

private:
    const PosixPlatform &platform_;
};

std::unique_ptr<FolderBatch> PosixPlatform::beginBatch(const QString &folder) const
{
    if (batchFd_ >= 0)
        return std::make_unique<FolderBatch>(); // works without: each file opens its folder
    try {
        const MappedPath &path = map(folder);
        const int dirFd = ::open(path.native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0)
            return std::make_unique<FolderBatch>();
        batchFd_ = dirFd;
        batchFolder_ = path.readBack.endsWith(u'\\') ? path.readBack : path.readBack + u'\\';
        return std::make_unique<Batch>(*this);
    } catch (const PlatformError &) {
        return std::make_unique<FolderBatch>();
    }
}

} // namespace brindlewick
