// A box's text without the blanks that pasting brings along at its ends.
#pragma once

#include <string_view>

namespace corvane {

// text without spaces, tabs and line ends at both ends
constexpr std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

}  // namespace corvane
