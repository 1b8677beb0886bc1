// The path the box's text names is split at its last slash or backslash.
#include "InitialDirectory.h"

#include "PastedPath.h"

namespace corvane {

std::string InitialDirectory(std::string_view boxText) {
    const std::string path = PastedPath(boxText);
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string InitialFileName(std::string_view boxText) {
    const std::string path = PastedPath(boxText);
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace corvane
