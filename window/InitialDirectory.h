// The folder a browse dialog opens in, taken from the path already in its box.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The box text without leading and trailing spaces, up to and including its last backslash
// (or slash); "" when it has neither, which leaves the starting folder to the dialog
std::string InitialDirectory(std::string_view boxText);

}  // namespace corvane
