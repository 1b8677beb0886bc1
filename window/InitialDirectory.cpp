// The dialog's first folder: the box's text up to its last separator.
#include "InitialDirectory.h"

namespace corvane {

std::string InitialDirectory(std::string_view boxText) {
    // Only spaces are trimmed: a tab at either end stays part of the path.
    const std::size_t first = boxText.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::string_view path = boxText.substr(first, boxText.find_last_not_of(' ') + 1 - first);
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

}  // namespace corvane
