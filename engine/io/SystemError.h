// Failures of file operations as the same error codes on every system.
#pragma once

#include <system_error>

namespace corvane {

// The calling thread's last failed system call: errno on POSIX; on Windows its error as the errno
// value of the same meaning where there is one (so callers test one set of codes), else as itself
std::error_code LastSystemError();

}  // namespace corvane
