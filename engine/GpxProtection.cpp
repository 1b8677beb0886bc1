// Refused: a CSV name that reaches an input or, unless named as the output, whose ending or first bytes say GPX or zip.
#include "GpxProtection.h"

#include "AsciiCase.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace corvane {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// True when both names reach the same file, or are the same name
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return a == b || fs::equivalent(PathOf(a), PathOf(b), error);
}

bool EndsInGpxOrZip(const std::string& name) {
    const std::string lower = AsciiLowercase(name);
    return lower.ends_with(".gpx") || lower.ends_with(".zip");
}

// A GPX file is XML, whose first character after a byte-order mark and blanks is "<"; a zip file
// starts with a local header or, empty, with its end record. A CSV file starts with neither.
bool HoldsGpxOrZip(const std::string& name) {
    std::ifstream file(PathOf(name), std::ios::binary);
    char head[64] = {};
    file.read(head, sizeof head);
    std::string_view bytes(head, static_cast<std::size_t>(file.gcount()));
    if (bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06")) return true;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

}  // namespace

std::string GpxProtection(const std::vector<std::string>& inputs, const std::string& csv, bool outputNamed) {
    if (csv.empty()) return {};
    if (std::any_of(inputs.begin(), inputs.end(), [&](const std::string& input) { return SameFile(input, csv); }))
        return "the file is the GPX file being converted";
    // Named as the output, the CSV file is the user's choice; only their own input is kept from them there.
    if (outputNamed) return {};
    if (EndsInGpxOrZip(csv)) return "the name is a GPX or zip file's, not a CSV file's";
    if (HoldsGpxOrZip(csv)) return "the file is a GPX or zip file, not a CSV file";
    return {};
}

}  // namespace corvane
