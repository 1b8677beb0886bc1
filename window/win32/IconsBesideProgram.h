// The icon folder a first run of the Windows window starts with.
#pragma once

#include <string>

namespace corvane {

// The "MM Icons" folder beside the running program, with its trailing backslash, when it is
// there; otherwise the default icon folder, "\MM Icons\"
std::string IconsBesideProgram();

}  // namespace corvane
