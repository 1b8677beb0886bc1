// The name a waypoint shows when icons follow the cache type, cleaned of what other tools leave in it.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The UTF-8 text with blanks (spaces, tabs, line ends) trimmed at both ends and each run of them
// made one space, and numeric character references ("&#291;", "&#x123;") decoded
std::string TidyName(std::string_view text);

}  // namespace corvane
