// The part of reading that is the same on every system: a buffer that grows as bytes arrive.
#include "ReadFile.h"

#include <cstring>

namespace corvane {

void GrowBuffer(FileBytes& bytes, std::size_t& capacity) {
    capacity *= 2;
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    std::memcpy(larger.get(), bytes.data.get(), bytes.size);
    bytes.data = std::move(larger);
}

}  // namespace corvane
