// A GPX file read into memory once and parsed in place into a DOM tree.
#include "GpxDocument.h"

#include "InputEncoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace corvane {
namespace {

struct Bytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// Read everything left in fd. A regular file is read into a buffer of its size; pipes and
// terminals grow the buffer as they go.
bool ReadAll(int fd, Bytes& bytes, std::string& error) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = "is a directory";
        return false;
    }
    std::size_t capacity = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) + 1 : 1 << 16;
    bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
    bytes.size = 0;
    for (;;) {
        if (bytes.size == capacity) {
            capacity *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(larger.get(), bytes.data.get(), bytes.size);
            bytes.data = std::move(larger);
        }
        const ssize_t got = ::read(fd, bytes.data.get() + bytes.size, capacity - bytes.size);
        if (got < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            return false;
        }
        if (got == 0) return true;
        bytes.size += static_cast<std::size_t>(got);
    }
}

}  // namespace

bool GpxDocument::LoadFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    Bytes bytes;
    const bool read = ReadAll(fd, bytes, error_);
    ::close(fd);
    return read && Parse(std::move(bytes.data), bytes.size);
}

bool GpxDocument::LoadStream(std::FILE* stream) {
    Bytes bytes;
    return ReadAll(::fileno(stream), bytes, error_) && Parse(std::move(bytes.data), bytes.size);
}

bool GpxDocument::LoadBytes(std::string_view text) {
    auto bytes = std::make_unique_for_overwrite<char[]>(text.size() + 1);
    std::memcpy(bytes.get(), text.data(), text.size());
    return Parse(std::move(bytes), text.size());
}

bool GpxDocument::Parse(std::unique_ptr<char[]> bytes, std::size_t size) {
    doc_.reset();
    error_.clear();
    buffer_ = std::move(bytes);
    pugi::xml_encoding encoding = pugi::encoding_auto;
    const std::string_view view(buffer_.get(), size);
    if (!ParserReadsEncoding(view)) {
        std::string utf8;
        if (ConvertToUtf8(view, DeclaredEncoding(view), utf8)) {
            buffer_ = std::make_unique_for_overwrite<char[]>(utf8.size() + 1);
            std::memcpy(buffer_.get(), utf8.data(), utf8.size());
            size = utf8.size();
            encoding = pugi::encoding_utf8;
        }
    }
    const pugi::xml_parse_result result = doc_.load_buffer_inplace(buffer_.get(), size, pugi::parse_default, encoding);
    if (!result) {
        error_ = result.description();
        return false;
    }
    int elements = 0;
    for (pugi::xml_node node = doc_.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_element) ++elements;
    if (elements != 1) {
        error_ = elements == 0 ? "no document element" : "more than one top-level element";
        doc_.reset();
        return false;
    }
    return true;
}

}  // namespace corvane
