// Reading a whole GPX file or stream into memory: the one place that opens files for reading.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace corvane {

// Bytes read into one buffer; size counts the bytes read, the buffer may be larger.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// Double a full buffer of capacity bytes, to no more than limit, keeping the bytes read so far
void GrowBuffer(FileBytes& bytes, std::size_t& capacity, std::size_t limit = SIZE_MAX);

// Learns the bytes read so far, after each chunk
using ReadProgress = std::function<void(std::size_t)>;

// The most one read asks for: a large file comes in a chunk at a time, so that its progress
// can be shown while it is read, not only once it has been
inline constexpr std::size_t kReadChunk = std::size_t{1} << 20;

// The words for a path that names a folder
inline constexpr std::string_view kFolderReason = "is a directory";

// The words for a failure to read: the C library's, except for a file another program holds
std::string ReadReason(const std::error_code& error);

// Read the whole file at path (UTF-8); false with the reason in error when it cannot be read
bool ReadWholeFile(const std::string& path, FileBytes& bytes, std::string& error, const ReadProgress& progress = {});

// Read everything left in an open stream; false with the reason in error when that fails
bool ReadWholeStream(std::FILE* stream, FileBytes& bytes, std::string& error, const ReadProgress& progress = {});

}  // namespace corvane
