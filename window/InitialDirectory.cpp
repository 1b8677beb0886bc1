// The box's text, trimmed of spaces, is split at its last slash or backslash.
#include "InitialDirectory.h"

namespace corvane {

namespace {

// The text without leading and trailing spaces; a tab at either end stays part of the path
std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

}  // namespace

std::string InitialDirectory(std::string_view boxText) {
    const std::string_view path = TrimSpaces(boxText);
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

std::string InitialFileName(std::string_view boxText) {
    const std::string_view path = TrimSpaces(boxText);
    const std::size_t separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace corvane
