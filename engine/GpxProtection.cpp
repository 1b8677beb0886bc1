// Refused: a CSV name that reaches an input or, unless named as the output, whose ending or first bytes say GPX or zip.
#include "GpxProtection.h"

#include "AsciiCase.h"
#include "Failure.h"
#include "Sniff.h"
#include "Utf8Path.h"

#include <algorithm>
#include <fstream>

namespace corvane {
namespace {

// True when both names reach the same file, or are the same name
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return a == b || std::filesystem::equivalent(PathOf(a), PathOf(b), error);
}

bool EndsInGpxOrZip(const std::string& name) {
    const std::string lower = AsciiLowercase(name);
    return lower.ends_with(".gpx") || lower.ends_with(".zip");
}

// A GPX file is XML; a CSV file is neither XML nor zip.
bool HoldsGpxOrZip(const std::string& name) {
    std::ifstream file(PathOf(name), std::ios::binary);
    char head[64] = {};
    file.read(head, sizeof head);
    return Sniff(std::string_view(head, static_cast<std::size_t>(file.gcount()))) != Sniffed::Other;
}

}  // namespace

std::error_code GpxProtection(const std::vector<std::string>& inputs, const std::string& csv, bool outputNamed) {
    if (csv.empty()) return {};
    if (std::any_of(inputs.begin(), inputs.end(), [&](const std::string& input) { return SameFile(input, csv); }))
        return Fault::IsAnInput;
    // Named as the output, the CSV file is the user's choice; only their own input is kept from them there.
    if (outputNamed) return {};
    if (EndsInGpxOrZip(csv)) return Fault::GpxName;
    if (HoldsGpxOrZip(csv)) return Fault::GpxContent;
    return {};
}

}  // namespace corvane
