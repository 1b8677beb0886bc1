// The CSV file name that follows a GPX file name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The GPX name (UTF-8) with its last three characters replaced by "csv", whatever they are;
// nothing when the name is shorter than three characters
std::optional<std::string> OutputName(std::string_view gpx);

}  // namespace corvane
