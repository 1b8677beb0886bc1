// The folder and file name a browse dialog opens with, taken from the path already in its box.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The box text without leading and trailing spaces, up to and including its last backslash
// (or slash); "" when it has neither, which leaves the starting folder to the dialog
std::string InitialDirectory(std::string_view boxText);

// The box text without leading and trailing spaces, after its last backslash (or slash)
std::string InitialFileName(std::string_view boxText);

}  // namespace corvane
