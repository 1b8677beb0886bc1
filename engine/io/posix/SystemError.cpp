// Failures of file operations as error codes: on POSIX the system's own errno values.
#include "SystemError.h"

#include <cerrno>

namespace corvane {

std::error_code LastSystemError() {
    return {errno, std::generic_category()};
}

}  // namespace corvane
