// The file-system operations reading is built from, with POSIX descriptors.
#include "ReadFileSystem.h"

#include "SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace corvane::readfs {

// Opened without waiting, since opening a FIFO waits for a writer that may never come; with the
// flag cleared again, a FIFO without a writer reads as empty.
std::error_code Open(const std::string& path, File& file) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return LastSystemError();
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const std::error_code error = LastSystemError();
        ::close(fd);
        return error;
    }
    file = fd;
    return {};
}

File OfStream(std::FILE* stream) {
    return ::fileno(stream);
}

std::error_code Inspect(File file, Kind& kind, std::size_t& size) {
    struct stat info {};
    if (::fstat(static_cast<int>(file), &info) != 0) return LastSystemError();
    kind = S_ISREG(info.st_mode)    ? Kind::Sized
           : S_ISFIFO(info.st_mode) ? Kind::Stream
           : S_ISDIR(info.st_mode)  ? Kind::Folder
                                    : Kind::Device;
    size = static_cast<std::size_t>(info.st_size);
    return {};
}

std::error_code Read(File file, char* data, std::size_t size, std::size_t& got) {
    for (;;) {
        const ssize_t read = ::read(static_cast<int>(file), data, size);
        if (read >= 0) {
            got = static_cast<std::size_t>(read);
            return {};
        }
        if (errno != EINTR) return LastSystemError();
    }
}

void Close(File file) {
    ::close(static_cast<int>(file));
}

}  // namespace corvane::readfs
