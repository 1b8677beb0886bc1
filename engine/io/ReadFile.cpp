// The part of reading that is the same on every system: a buffer that grows as bytes arrive, and
// the words for a failure.
#include "ReadFile.h"

#include "SystemError.h"

#include <algorithm>
#include <cstring>

namespace corvane {

void GrowBuffer(FileBytes& bytes, std::size_t& capacity, std::size_t limit) {
    capacity = std::min(limit, capacity * 2);
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    std::memcpy(larger.get(), bytes.data.get(), bytes.size);
    bytes.data = std::move(larger);
}

std::string ReadReason(const std::error_code& error) {
    if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy) return kInUseReason;
    // No file can have a name the system does not allow.
    if (error == std::errc::invalid_argument)
        return std::make_error_code(std::errc::no_such_file_or_directory).message();
    return error.message();
}

}  // namespace corvane
