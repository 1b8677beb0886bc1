// The CSV name is refused when it reaches an input or, without -o, its extension or first bytes say GPX or zip.
#include "GpxProtection.h"

#include "AsciiCase.h"
#include "Sniff.h"
#include "Utf8Path.h"

#include <algorithm>
#include <fstream>

namespace corvane::cli {
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

std::string GpxProtection(const CommandLine& commandLine) {
    const std::string& csv = commandLine.csv;
    if (csv == kStandardStream) return {};
    const bool isInput =
        std::any_of(commandLine.inputs.begin(), commandLine.inputs.end(),
                    [&](const std::string& input) { return input != kStandardStream && SameFile(input, csv); });
    // With -o the user named the CSV file as such; only their own input is kept from them there.
    if (isInput || (!commandLine.outputNamed && (EndsInGpxOrZip(csv) || HoldsGpxOrZip(csv))))
        return "'" + csv + "' is a GPX or zip file, not a CSV file to write; name the CSV file with -o CSV";
    return {};
}

}  // namespace corvane::cli
