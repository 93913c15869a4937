// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/NoReplaceRename.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlewick
{

namespace
{

bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

int renameWithFlag(int dirFd, const char *from, const char *to)
{
#ifdef RENAME_NOREPLACE
    return ::renameat2(dirFd, from, dirFd, to, RENAME_NOREPLACE);
#else
    errno = ENOSYS;
    return -1;
#endif
}

// A hard link cannot replace a file either; the old name goes once the new one stands.
int renameByLink(int dirFd, const char *from, const char *to)
{
    if (::linkat(dirFd, from, dirFd, to, 0) != 0)
        return -1;
    if (::unlinkat(dirFd, from, 0) == 0)
        return 0;
    const int error = errno;
    ::unlinkat(dirFd, to, 0); // the link just made, so that the file keeps its one name
    errno = error;
    return -1;
}

bool sameEntry(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// For file systems with neither (FAT through FUSE, for one): the new name is made ours by an
// exclusive create, which fails when anything holds it, and the file is renamed over that
// empty reservation. Another program may yet open the reservation without O_EXCL and write to
// it, or remove it and put a file of its own in its place: the rename would replace that, so
// it goes ahead only while the reservation is still empty, has no other name, and is what the
// name leads to. The descriptor is held until then, so that no other file can take over its
// number. One window remains, which no call on such a file system closes: a program that
// opens the reservation before that look and writes only after it. Through FUSE an open takes
// longer than the look, so this is most of what the look misses.
int renameOverReservation(int dirFd, const char *from, const char *to,
                          const std::function<void()> *whileReserved)
{
    const int reservation =
        ::openat(dirFd, to, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (reservation < 0)
        return -1;
    if (whileReserved)
        (*whileReserved)();
    struct stat reserved {
    };
    struct stat named {
    };
    const bool known = ::fstat(reservation, &reserved) == 0;
    const bool found = known && ::fstatat(dirFd, to, &named, AT_SYMLINK_NOFOLLOW) == 0;
    int result = TakenMeanwhile;
    int error = EEXIST;
    if (!known || (!found && errno != ENOENT)) {
        // Whose the name is cannot be told: it is left as it is.
        result = -1;
        error = errno;
    } else if (found && reserved.st_size == 0 && reserved.st_nlink == 1 &&
               sameEntry(named, reserved)) {
        result = ::renameat(dirFd, from, dirFd, to);
        error = errno;
        // Removed only while it is still the reservation, never a file that took its place.
        if (result != 0 && ::fstatat(dirFd, to, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameEntry(named, reserved))
            ::unlinkat(dirFd, to, 0);
    }
    ::close(reservation);
    errno = error;
    return result;
}

bool sameFile(int dirFd, const char *a, const char *b)
{
    struct stat first {
    };
    struct stat second {
    };
    return ::fstatat(dirFd, a, &first, AT_SYMLINK_NOFOLLOW) == 0 &&
           ::fstatat(dirFd, b, &second, AT_SYMLINK_NOFOLLOW) == 0 && sameEntry(first, second);
}

// True when the folder holds an entry of exactly this name. Where the name is taken but no entry
// bears it, the file system has matched it regardless of letter case.
bool hasEntryNamed(int dirFd, const char *name)
{
    const int readFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *folder = readFd < 0 ? nullptr : ::fdopendir(readFd);
    if (!folder) {
        if (readFd >= 0)
            ::close(readFd);
        return true; // cannot tell: assume the worst
    }
    bool found = false;
    while (const dirent *entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, name) == 0) {
            found = true;
            break;
        }
    }
    ::closedir(folder);
    return found;
}

} // namespace

int renameWithoutReplacing(int dirFd, const char *from, const char *to, RenameWay first,
                           const std::function<void()> *whileReserved)
{
    if (first == RenameWay::NoReplaceFlag) {
        if (renameWithFlag(dirFd, from, to) == 0)
            return 0;
        if (!unsupported(errno))
            return -1;
        first = RenameWay::HardLink;
    }
    if (first == RenameWay::HardLink) {
        if (renameByLink(dirFd, from, to) == 0)
            return 0;
        // EPERM: no hard links here, or none allowed to this user; EMLINK: too many of them.
        if (!unsupported(errno) && errno != EPERM && errno != EMLINK)
            return -1;
    }
    return renameOverReservation(dirFd, from, to, whileReserved);
}

int renameLetterCase(int dirFd, const QByteArray &from, const QByteArray &to, RenameWay first,
                     const std::function<void()> *whileReserved)
{
    const int direct =
        renameWithoutReplacing(dirFd, from.constData(), to.constData(), first, whileReserved);
    if (direct == 0 || direct == TakenMeanwhile)
        return direct;
    // The new name is held by the file itself when both names lead to one file, or when no
    // entry bears the new name exactly: file systems that number files by the name looked up
    // (FAT and exFAT through FUSE) give two spellings of one file two numbers. Each step below
    // refuses to replace all the same.
    if (errno != EEXIST)
        return -1;
    if (!sameFile(dirFd, from.constData(), to.constData()) &&
        hasEntryNamed(dirFd, to.constData())) {
        errno = EEXIST;
        return -1;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray temporary =
            ".brindlewick-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
        if (renameWithoutReplacing(dirFd, from.constData(), temporary.constData(), first,
                                   whileReserved) != 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        const int result = renameWithoutReplacing(dirFd, temporary.constData(), to.constData(),
                                                  first, whileReserved);
        if (result == 0)
            return 0;
        const int error = errno;
        renameWithoutReplacing(dirFd, temporary.constData(), from.constData(), first);
        errno = error;
        return result;
    }
    errno = EEXIST;
    return -1;
}

} // namespace brindlewick
