// Where the bytes of a CSV file go: a file, standard output or memory.
#include "Sink.h"

#include <unistd.h>
#include <cerrno>

namespace corvane {

bool MemorySink::write(const char* data, std::size_t size) {
    text_.append(data, size);
    return true;
}

bool DescriptorSink::write(const char* data, std::size_t size) {
    if (!failed_ && !WriteAll(fd_, data, size)) failed_ = true;
    return !failed_;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace corvane
