// Reading, the same on every system: what may be read, a buffer of the file's size or one that
// grows as bytes arrive, a chunk at a time; the system calls are in ReadFileSystem.
#include "ReadFile.h"

#include "Failure.h"
#include "ReadFileSystem.h"

#include <algorithm>
#include <cstring>

namespace corvane {
namespace {

using readfs::Kind;

// Read everything left in file. A device named as a file may never end, so only a stream that
// is one is read.
std::error_code ReadAll(readfs::File file, bool named, FileBytes& bytes, const ReadProgress& progress) {
    Kind kind = Kind::Stream;
    std::size_t size = 0;
    if (const std::error_code error = readfs::Inspect(file, kind, size)) return error;
    if (kind == Kind::Folder) return std::make_error_code(std::errc::is_a_directory);
    if (kind == Kind::Device && named) return Fault::NotAFile;
    std::size_t capacity = kind == Kind::Sized ? size + 1 : 1 << 16;
    bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
    bytes.size = 0;
    for (;;) {
        if (bytes.size == capacity) GrowBuffer(bytes, capacity);
        std::size_t got = 0;
        const std::size_t want = std::min(capacity - bytes.size, kReadChunk);
        if (const std::error_code error = readfs::Read(file, bytes.data.get() + bytes.size, want, got)) return error;
        if (got == 0) return {};
        bytes.size += got;
        if (progress) progress(bytes.size);
    }
}

}  // namespace

void GrowBuffer(FileBytes& bytes, std::size_t& capacity, std::size_t limit) {
    capacity = std::min(limit, capacity * 2);
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    std::memcpy(larger.get(), bytes.data.get(), bytes.size);
    bytes.data = std::move(larger);
}

std::error_code ReadWholeFile(const std::string& path, FileBytes& bytes, const ReadProgress& progress) {
    readfs::File file = readfs::kNoFile;
    if (const std::error_code error = readfs::Open(path, file)) return error;
    const std::error_code error = ReadAll(file, true, bytes, progress);
    readfs::Close(file);
    return error;
}

std::error_code ReadWholeStream(std::FILE* stream, FileBytes& bytes, const ReadProgress& progress) {
    const readfs::File file = readfs::OfStream(stream);
    if (file == readfs::kNoFile) return Fault::NoStream;
    return ReadAll(file, false, bytes, progress);
}

}  // namespace corvane
