// AddBackslash: one backslash at the end, never two.
#include "AddBackslash.h"

namespace corvane {

std::string AddBackslash(std::string path) {
    // Only a backslash counts: Memory Map reads the icon paths as Windows paths.
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

}  // namespace corvane
