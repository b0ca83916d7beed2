// Reading and replacing a file whole, on POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace {

bool WriteAll(int fd, const char* bytes, int64_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk; a failure
// here loses nothing that was on disk before, so it is not a failed save.
void SyncFolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace

int64_t SysReadFile(const char* path, void* buffer, int64_t capacity)
{
    if (!path || (!buffer && capacity > 0) || capacity < 0) {
        return -1;
    }
    // Not waiting on open: a pipe of that name would block until a writer came.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    // A folder or a pipe of that name opens on Linux but is no file to read.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    char* at = static_cast<char*>(buffer);
    int64_t got = 0;
    while (got < capacity) {
        const ssize_t n = ::read(fd, at + got, static_cast<size_t>(capacity - got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // the end, or a read error: what came so far is what the file gave
        }
        got += n;
    }
    ::close(fd);
    return got;
}

int SysReplaceFile(const char* path, const void* bytes, int64_t size)
{
    if (!path || !*path || (!bytes && size > 0) || size < 0) {
        return 0;
    }
    // A fixed, predictable name beside the file, so a failed save is easy to
    // find and a stale one from an interrupted save is simply replaced.
    const std::string temp = std::string(path) + ".tmp";
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) {
        return 0;  // something that is not ours stands in the way
    }
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        return 0;
    }
    // Written whole and on disk before it takes the old file's place, so the
    // old file stays as it was until the new one is complete.
    const bool written = WriteAll(fd, static_cast<const char*>(bytes), size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path) != 0) {
        ::unlink(temp.c_str());
        return 0;
    }
    SyncFolderOf(path);
    return 1;
}
