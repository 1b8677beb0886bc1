// Directory paths as the icon lines need them.
#pragma once

#include <string>

namespace corvane {

// The path with one backslash appended, unless its last character already is one
std::string AddBackslash(std::string path);

}  // namespace corvane
