// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded with LD_PRELOAD into a program under test, makes the storage under one
// file fail as a failing disk or a network mount does:
//   BRIGHTSUM_FAULT_FILE  the file's name (the last part of its path)
//   BRIGHTSUM_FAULT       read-error:N  a read of it fails (EIO) once N bytes were read
//                         read-short:N  its reads end (as at the end of the file) after N bytes
//                         sync          every sync of a file being written fails (EIO)
//                         rename        renaming a file to that name fails (EIO)

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

enum class Fault { None, ReadError, ReadShort, Sync, Rename };

struct Settings
{
    Fault fault = Fault::None;
    long long after = 0;
    const char *name = "";
};

const Settings &settings()
{
    static const Settings read = [] {
        Settings s;
        const char *fault = std::getenv("BRIGHTSUM_FAULT");
        const char *name = std::getenv("BRIGHTSUM_FAULT_FILE");
        if (!fault || !name)
            return s;
        s.name = name;
        const char *colon = std::strchr(fault, ':');
        s.after = colon ? std::atoll(colon + 1) : 0;
        if (std::strncmp(fault, "read-error", 10) == 0)
            s.fault = Fault::ReadError;
        else if (std::strncmp(fault, "read-short", 10) == 0)
            s.fault = Fault::ReadShort;
        else if (std::strcmp(fault, "sync") == 0)
            s.fault = Fault::Sync;
        else if (std::strcmp(fault, "rename") == 0)
            s.fault = Fault::Rename;
        return s;
    }();
    return read;
}

bool names(const char *path)
{
    if (!path || !*settings().name)
        return false;
    const char *slash = std::strrchr(path, '/');
    return std::strcmp(slash ? slash + 1 : path, settings().name) == 0;
}

// For each file descriptor of the file: 1 + the bytes read from it; 0 for any other.
constexpr int MaxFd = 4096;
std::atomic<long long> watched[MaxFd];

void watch(int fd, const char *path)
{
    if (fd >= 0 && fd < MaxFd)
        watched[fd] = names(path) ? 1 : 0;
}

template <typename F>
F real(const char *symbol)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, symbol));
}

int openWith(const char *symbol, int dirfd, const char *path, int flags, va_list args)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | __O_TMPFILE))
        mode = static_cast<mode_t>(va_arg(args, int));
    int fd;
    if (dirfd == -1)
        fd = real<int (*)(const char *, int, ...)>(symbol)(path, flags, mode);
    else
        fd = real<int (*)(int, const char *, int, ...)>(symbol)(dirfd, path, flags, mode);
    watch(fd, path);
    return fd;
}

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = openWith("open", -1, path, flags, args);
    va_end(args);
    return fd;
}

int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = openWith("open64", -1, path, flags, args);
    va_end(args);
    return fd;
}

int openat(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = openWith("openat", dirfd, path, flags, args);
    va_end(args);
    return fd;
}

int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = openWith("openat64", dirfd, path, flags, args);
    va_end(args);
    return fd;
}

int __open_2(const char *path, int flags)
{
    const int fd = real<int (*)(const char *, int)>("__open_2")(path, flags);
    watch(fd, path);
    return fd;
}

int __open64_2(const char *path, int flags)
{
    const int fd = real<int (*)(const char *, int)>("__open64_2")(path, flags);
    watch(fd, path);
    return fd;
}

ssize_t read(int fd, void *buffer, size_t count)
{
    static const auto next = real<ssize_t (*)(int, void *, size_t)>("read");
    const Fault fault = settings().fault;
    if (fd < 0 || fd >= MaxFd || watched[fd] == 0 || (fault != Fault::ReadError && fault != Fault::ReadShort))
        return next(fd, buffer, count);
    const long long left = settings().after - (watched[fd] - 1);
    if (left <= 0) {
        if (fault == Fault::ReadShort)
            return 0;
        errno = EIO;
        return -1;
    }
    const ssize_t got = next(fd, buffer, count < size_t(left) ? count : size_t(left));
    if (got > 0)
        watched[fd] += got;
    return got;
}

ssize_t __read_chk(int fd, void *buffer, size_t count, size_t)
{
    return read(fd, buffer, count);
}

int fsync(int fd)
{
    static const auto next = real<int (*)(int)>("fsync");
    const int flags = fcntl(fd, F_GETFL);
    if (settings().fault == Fault::Sync && flags >= 0 && (flags & O_ACCMODE) != O_RDONLY) {
        errno = EIO;
        return -1;
    }
    return next(fd);
}

int fdatasync(int fd)
{
    static const auto next = real<int (*)(int)>("fdatasync");
    const int flags = fcntl(fd, F_GETFL);
    if (settings().fault == Fault::Sync && flags >= 0 && (flags & O_ACCMODE) != O_RDONLY) {
        errno = EIO;
        return -1;
    }
    return next(fd);
}

int rename(const char *from, const char *to)
{
    static const auto next = real<int (*)(const char *, const char *)>("rename");
    if (settings().fault == Fault::Rename && names(to)) {
        errno = EIO;
        return -1;
    }
    return next(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    static const auto next = real<int (*)(int, const char *, int, const char *)>("renameat");
    if (settings().fault == Fault::Rename && names(to)) {
        errno = EIO;
        return -1;
    }
    return next(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    static const auto next = real<int (*)(int, const char *, int, const char *, unsigned int)>("renameat2");
    if (settings().fault == Fault::Rename && names(to)) {
        errno = EIO;
        return -1;
    }
    return next(fromDir, from, toDir, to, flags);
}

} // extern "C"
