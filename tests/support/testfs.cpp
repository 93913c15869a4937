// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A FUSE file system that shows a folder as it is, answering every call only after a set
// delay: a network share that is slow, or, once its process is stopped, one that no longer
// answers at all.
//
//   brindlewick-testfs SOURCE MOUNTPOINT [DELAY_MS]
//
// It stays in the foreground, so that the process a test starts is the one that answers.

#define FUSE_USE_VERSION 31

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace
{

int sourceFd = -1;
std::chrono::milliseconds delay{0};

// Every call waits before it is answered, the way each round trip to a slow server does.
std::string at(const char *path)
{
    std::this_thread::sleep_for(delay);
    return path[1] == '\0' ? std::string(".") : std::string(path + 1);
}

int result(int value)
{
    return value < 0 ? -errno : value;
}

int doGetattr(const char *path, struct stat *status, fuse_file_info *)
{
    return result(::fstatat(sourceFd, at(path).c_str(), status, AT_SYMLINK_NOFOLLOW));
}

int doAccess(const char *path, int mode)
{
    return result(::faccessat(sourceFd, at(path).c_str(), mode, AT_EACCESS));
}

int doReadlink(const char *path, char *buffer, size_t size)
{
    const ssize_t length = ::readlinkat(sourceFd, at(path).c_str(), buffer, size - 1);
    if (length < 0)
        return -errno;
    buffer[length] = '\0';
    return 0;
}

int doReaddir(const char *path, void *buffer, fuse_fill_dir_t fill, off_t, fuse_file_info *,
              fuse_readdir_flags)
{
    const int fd = ::openat(sourceFd, at(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *folder = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!folder) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        return -error;
    }
    while (const dirent *entry = ::readdir(folder)) {
        struct stat status {
        };
        status.st_ino = entry->d_ino;
        status.st_mode = mode_t(DTTOIF(entry->d_type));
        if (fill(buffer, entry->d_name, &status, 0, fuse_fill_dir_flags(0)) != 0)
            break;
    }
    ::closedir(folder);
    return 0;
}

int doMkdir(const char *path, mode_t mode)
{
    return result(::mkdirat(sourceFd, at(path).c_str(), mode));
}

int doUnlink(const char *path)
{
    return result(::unlinkat(sourceFd, at(path).c_str(), 0));
}

int doRmdir(const char *path)
{
    return result(::unlinkat(sourceFd, at(path).c_str(), AT_REMOVEDIR));
}

int doSymlink(const char *target, const char *path)
{
    return result(::symlinkat(target, sourceFd, at(path).c_str()));
}

int doRename(const char *from, const char *to, unsigned int flags)
{
    const std::string source = at(from);
    return result(::renameat2(sourceFd, source.c_str(), sourceFd, to + 1, flags));
}

int doLink(const char *from, const char *to)
{
    const std::string source = at(from);
    return result(::linkat(sourceFd, source.c_str(), sourceFd, to + 1, 0));
}

int doChmod(const char *path, mode_t mode, fuse_file_info *)
{
    return result(::fchmodat(sourceFd, at(path).c_str(), mode, 0));
}

int doChown(const char *path, uid_t user, gid_t group, fuse_file_info *)
{
    return result(::fchownat(sourceFd, at(path).c_str(), user, group, AT_SYMLINK_NOFOLLOW));
}

int doTruncate(const char *path, off_t size, fuse_file_info *info)
{
    if (info)
        return result(::ftruncate(int(info->fh), size));
    const int fd = ::openat(sourceFd, at(path).c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    const int done = result(::ftruncate(fd, size));
    ::close(fd);
    return done;
}

int doUtimens(const char *path, const timespec times[2], fuse_file_info *)
{
    return result(::utimensat(sourceFd, at(path).c_str(), times, AT_SYMLINK_NOFOLLOW));
}

int doCreate(const char *path, mode_t mode, fuse_file_info *info)
{
    const int fd = ::openat(sourceFd, at(path).c_str(), info->flags | O_CLOEXEC, mode);
    if (fd < 0)
        return -errno;
    info->fh = uint64_t(fd);
    return 0;
}

int doOpen(const char *path, fuse_file_info *info)
{
    const int fd = ::openat(sourceFd, at(path).c_str(), info->flags | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    info->fh = uint64_t(fd);
    return 0;
}

int doRead(const char *, char *buffer, size_t size, off_t offset, fuse_file_info *info)
{
    std::this_thread::sleep_for(delay);
    const ssize_t got = ::pread(int(info->fh), buffer, size, offset);
    return got < 0 ? -errno : int(got);
}

int doWrite(const char *, const char *buffer, size_t size, off_t offset, fuse_file_info *info)
{
    std::this_thread::sleep_for(delay);
    const ssize_t put = ::pwrite(int(info->fh), buffer, size, offset);
    return put < 0 ? -errno : int(put);
}

int doStatfs(const char *path, struct statvfs *status)
{
    const int fd = ::openat(sourceFd, at(path).c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    const int done = result(::fstatvfs(fd, status));
    ::close(fd);
    return done;
}

int doRelease(const char *, fuse_file_info *info)
{
    ::close(int(info->fh));
    return 0;
}

int doFsync(const char *, int, fuse_file_info *info)
{
    std::this_thread::sleep_for(delay);
    return result(::fsync(int(info->fh)));
}

int doFsyncdir(const char *path, int, fuse_file_info *)
{
    const int fd = ::openat(sourceFd, at(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    const int done = result(::fsync(fd));
    ::close(fd);
    return done;
}

void *doInit(fuse_conn_info *, fuse_config *config)
{
    // The source's own inode numbers, so that hard links show as such; nothing cached, so that
    // every question reaches this process.
    config->use_ino = 1;
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s SOURCE MOUNTPOINT [DELAY_MS]\n", argv[0]);
        return 2;
    }
    sourceFd = ::open(argv[1], O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (sourceFd < 0) {
        std::perror(argv[1]);
        return 1;
    }
    if (argc == 4)
        delay = std::chrono::milliseconds(std::atoi(argv[3]));
    ::umask(0);

    fuse_operations operations{};
    operations.getattr = doGetattr;
    operations.access = doAccess;
    operations.readlink = doReadlink;
    operations.readdir = doReaddir;
    operations.mkdir = doMkdir;
    operations.unlink = doUnlink;
    operations.rmdir = doRmdir;
    operations.symlink = doSymlink;
    operations.rename = doRename;
    operations.link = doLink;
    operations.chmod = doChmod;
    operations.chown = doChown;
    operations.truncate = doTruncate;
    operations.utimens = doUtimens;
    operations.create = doCreate;
    operations.open = doOpen;
    operations.read = doRead;
    operations.write = doWrite;
    operations.statfs = doStatfs;
    operations.release = doRelease;
    operations.fsync = doFsync;
    operations.fsyncdir = doFsyncdir;
    operations.init = doInit;

    // Permissions are this process's, as on a share its server checks them. Mounted by root,
    // everyone may look in, so that a test acting as an ordinary user can too.
    char program[] = "brindlewick-testfs";
    char foreground[] = "-f";
    char options[] = "-o";
    char allowOther[] = "allow_other";
    char *fuseArgs[] = {program, foreground, argv[2], options, allowOther, nullptr};
    return fuse_main(::geteuid() == 0 ? 5 : 3, fuseArgs, &operations, nullptr);
}
