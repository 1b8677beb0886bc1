// The canonical decomposition of one character, for code pages that lack the character itself.
#pragma once

#include <utf8proc.h>

#include <array>
#include <cstddef>

namespace corvane {

// Room for the canonical decomposition of any character
using DecomposedChar = std::array<utf8proc_int32_t, 8>;

// The number of characters in ch's canonical decomposition, written into parts; 0 when it has none that fits
inline std::size_t Decompose(char32_t ch, DecomposedChar& parts) {
    int boundClass = 0;
    const utf8proc_ssize_t count = utf8proc_decompose_char(static_cast<utf8proc_int32_t>(ch), parts.data(),
                                                           parts.size(), UTF8PROC_DECOMPOSE, &boundClass);
    return count > 0 && static_cast<std::size_t>(count) <= parts.size() ? static_cast<std::size_t>(count) : 0;
}

}  // namespace corvane
