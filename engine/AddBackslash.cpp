// Directory paths as the icon lines need them.
#include "AddBackslash.h"

namespace corvane {

std::string AddBackslash(std::string path) {
    // Only a backslash counts: Memory Map reads the icon paths as Windows paths.
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

}  // namespace corvane
