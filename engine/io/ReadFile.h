// Reading a whole GPX file or stream into memory, as rules over the platform's read primitives.
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

// Read the whole file at path (UTF-8); the cause when it cannot be read, else none
std::error_code ReadWholeFile(const std::string& path, FileBytes& bytes, const ReadProgress& progress = {});

// Read everything left in an open stream; the cause when that fails, else none
std::error_code ReadWholeStream(std::FILE* stream, FileBytes& bytes, const ReadProgress& progress = {});

}  // namespace corvane
