// Reading a whole GPX file or stream into memory, with POSIX descriptors.
#include "ReadFile.h"

#include "SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace corvane {
namespace {

// Read everything left in fd. A regular file is read into a buffer of its size; pipes and
// terminals grow the buffer as they go.
bool ReadAll(int fd, FileBytes& bytes, std::string& error, const ReadProgress& progress) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = ReadReason(LastSystemError());
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = kFolderReason;
        return false;
    }
    std::size_t capacity = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) + 1 : 1 << 16;
    bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
    bytes.size = 0;
    for (;;) {
        if (bytes.size == capacity) GrowBuffer(bytes, capacity);
        const ssize_t got = ::read(fd, bytes.data.get() + bytes.size, std::min(capacity - bytes.size, kReadChunk));
        if (got < 0) {
            if (errno == EINTR) continue;
            error = ReadReason(LastSystemError());
            return false;
        }
        if (got == 0) return true;
        bytes.size += static_cast<std::size_t>(got);
        if (progress) progress(bytes.size);
    }
}

}  // namespace

// Only regular files and pipes are read: a device such as /dev/zero or a terminal never ends.
// The file is opened without waiting, since opening a FIFO waits for a writer that may never
// come; with the flag cleared again, a FIFO without a writer reads as empty.
bool ReadWholeFile(const std::string& path, FileBytes& bytes, std::string& error, const ReadProgress& progress) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = ReadReason(LastSystemError());
        return false;
    }
    struct stat info {};
    bool read = false;
    if (::fstat(fd, &info) != 0 || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        error = ReadReason(LastSystemError());
    else if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode))
        error = S_ISDIR(info.st_mode) ? std::string(kFolderReason) : "is not a file";
    else
        read = ReadAll(fd, bytes, error, progress);
    ::close(fd);
    return read;
}

bool ReadWholeStream(std::FILE* stream, FileBytes& bytes, std::string& error, const ReadProgress& progress) {
    return ReadAll(::fileno(stream), bytes, error, progress);
}

}  // namespace corvane
