// The CSV file name that follows a GPX file name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The GPX name (UTF-8) with the extension of its file name replaced by "csv"; nothing while the
// file name has no extension, as when a path is being typed ("/tm", "week.")
std::optional<std::string> OutputName(std::string_view gpx);

}  // namespace corvane
