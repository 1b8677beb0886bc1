// The icon folder a first run of the Windows window starts with.
#pragma once

#include <string>

namespace corvane {

// The "MM Icons" folder beside the running program, with its trailing backslash, when it is
// there; otherwise "\MM Icons\", the icon folder's default
std::string IconsBesideProgram();

}  // namespace corvane
