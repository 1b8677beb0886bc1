// The CSV file name that follows a GPX file name.
#include "OutputName.h"

#include "Utf8Continuation.h"

namespace corvane {

std::optional<std::string> OutputName(std::string_view gpx) {
    // Characters, not bytes: a name ending in "ü" loses the whole letter.
    std::size_t end = gpx.size();
    for (int cut = 0; cut < 3; ++cut) {
        if (end == 0) return std::nullopt;
        --end;
        for (int tail = 0; tail < 3 && end > 0 && IsUtf8Continuation(gpx[end]); ++tail) --end;
    }
    return std::string(gpx.substr(0, end)) + "csv";
}

}  // namespace corvane
