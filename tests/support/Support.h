// What every suite shares: private temporary folders, whole-file reads and writes, CSV lines,
// the one-cache GPX document and its line, and conversions of GPX held in memory.
#pragma once

#include "RunConversion.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

// A private temporary folder, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();

    // Full path of name inside the folder
    std::string path(const std::string& name) const;
    // Create or replace the file name with bytes; returns its full path
    std::string Write(const std::string& name, std::string_view bytes) const;
    // Names of the entries in the folder, sorted
    std::vector<std::string> entries() const;

private:
    std::filesystem::path dir_;
};

// The whole contents of a file, or "" when it cannot be read
std::string ReadFile(const std::string& path);

// text with each element name's "g:" (after "<" or "</") spelt out as "groundspeak:"
std::string Groundspeak(std::string text);

// The lines of a CSV text without their CR LF; a last line without one ends in "<no CR LF>"
std::vector<std::string> Lines(std::string_view csv);

// One found cache placed by Alice, with an accent in its name and a hint.
inline constexpr std::string_view kOakGpx =
    R"(<gpx><wpt lat="51.5" lon="-0.1"><name>GC1ABCD</name><url>http://x/GC1ABCD</url>)"
    R"(<sym>Geocache Found</sym><groundspeak:cache xmlns:groundspeak="g">)"
    R"(<groundspeak:name>Oak Café</groundspeak:name><groundspeak:type>Traditional Cache</groundspeak:type>)"
    R"(<groundspeak:container>Regular</groundspeak:container><groundspeak:difficulty>1.5</groundspeak:difficulty>)"
    R"(<groundspeak:terrain>2</groundspeak:terrain><groundspeak:placed_by>Alice</groundspeak:placed_by>)"
    R"(<groundspeak:encoded_hints>Under the roots</groundspeak:encoded_hints>)"
    R"(</groundspeak:cache></wpt></gpx>)";

// Its WP04 line with icon, the é in the output code page, and the link and hint choices
std::string OakLine(std::string_view icon = "106", std::string_view e = "\xE9", bool website = false,
                    bool hints = false);

// The settings of a test conversion: icons in "\MM Icons\", every choice off
RunSettings TestSettings();

// Convert GPX bytes held in memory with the settings into the code page; the CSV bytes, and the
// run's result in result when given
std::string Convert(std::string_view gpx, const RunSettings& settings = TestSettings(),
                    const std::string& codePage = "utf-8", RunResult* result = nullptr);

}  // namespace corvane::testing
