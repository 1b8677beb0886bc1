// The CSV file name that follows a GPX file name.
#include "OutputName.h"

namespace corvane {
namespace {

// True for the second and later bytes of a UTF-8 character
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::optional<std::string> OutputName(std::string_view gpx) {
    // Characters, not bytes: a name ending in "ü" loses the whole letter.
    std::size_t end = gpx.size();
    for (int cut = 0; cut < 3; ++cut) {
        if (end == 0) return std::nullopt;
        --end;
        for (int tail = 0; tail < 3 && end > 0 && IsContinuationByte(gpx[end]); ++tail) --end;
    }
    return std::string(gpx.substr(0, end)) + "csv";
}

}  // namespace corvane
