// The GPX name's extension, when it has a proper one, is replaced by "csv".
#include "OutputName.h"

namespace corvane {

// Only a name with an extension gives a CSV name. Cutting a fixed number of characters made a
// path typed into the window give "csv" from "/tm" and ".gcsv" from "week.gpx" with a blank
// after it, names a user would then convert into without noticing. A leading dot marks a
// hidden file, not an extension, and an extension holding a blank is a name still being typed.
std::optional<std::string> OutputName(std::string_view gpx) {
    const std::size_t separator = gpx.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t dot = gpx.rfind('.');
    if (dot == std::string_view::npos || dot <= nameStart || dot + 1 == gpx.size()) return std::nullopt;
    if (gpx.find(' ', dot) != std::string_view::npos) return std::nullopt;
    return std::string(gpx.substr(0, dot + 1)) + "csv";
}

}  // namespace corvane
