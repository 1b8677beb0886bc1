// The file-system operations reading is built from, one implementation per platform (posix/,
// windows/); what is read and how far is decided once, by ReadFile. Paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

namespace corvane::readfs {

// An open file: a POSIX descriptor or a Windows handle
using File = std::intptr_t;
inline constexpr File kNoFile = -1;

// What an open file is. Sized holds a known number of bytes; a Stream ends when its writer is
// done; a Device may never end (/dev/zero, a terminal).
enum class Kind { Sized, Stream, Folder, Device };

// Open the file at path for reading, letting other programs go on reading, writing and deleting it
std::error_code Open(const std::string& path, File& file);
// The file behind a C stream, kNoFile when it has none
File OfStream(std::FILE* stream);
// What file is, and its size when it is Sized
std::error_code Inspect(File file, Kind& kind, std::size_t& size);
// Read up to size bytes into data; got is 0 at the end
std::error_code Read(File file, char* data, std::size_t size, std::size_t& got);
void Close(File file);

}  // namespace corvane::readfs
