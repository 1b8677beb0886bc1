// The folder and file name a browse dialog opens with, taken from the path already in its box.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The path the box text names (as pasted paths are read), up to and including its last backslash
// (or slash); "" when it has neither, which leaves the starting folder to the dialog
std::string InitialDirectory(std::string_view boxText);

// The path the box text names, after its last backslash (or slash)
std::string InitialFileName(std::string_view boxText);

}  // namespace corvane
