// The one-cache GPX document the end-to-end tests convert, placed by Alice, and the lines it gives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

inline constexpr std::string_view kOakGpx =
    R"(<gpx><wpt lat="51.5" lon="-0.1"><name>GC1ABCD</name><url>http://x/GC1ABCD</url>)"
    R"(<sym>Geocache Found</sym><groundspeak:cache xmlns:groundspeak="g">)"
    R"(<groundspeak:name>Old Oak Tree</groundspeak:name><groundspeak:type>Traditional Cache</groundspeak:type>)"
    R"(<groundspeak:container>Regular</groundspeak:container><groundspeak:difficulty>1.5</groundspeak:difficulty>)"
    R"(<groundspeak:terrain>2</groundspeak:terrain><groundspeak:placed_by>Alice</groundspeak:placed_by>)"
    R"(<groundspeak:encoded_hints>Under the roots</groundspeak:encoded_hints>)"
    R"(</groundspeak:cache></wpt></gpx>)";

// Its line with the CacheMate link and no hints, as the converter writes it by default
inline constexpr std::string_view kOakLine =
    R"x(WP04,51.5,-0.1,106,"Old Oak Tree (1.5/2 TR)",GC1ABCD,"\cmate:GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)x";

// The first of the 80 icon lines, with the default icon folder
inline constexpr std::string_view kFirstIconLine = R"x(IC01 , 101, "\MM Icons\EventF.bmp")x";

// The lines of a CSV text, each of which must end in CR LF; a last line without one is
// returned with "<no CR LF>" appended so that comparisons show it
inline std::vector<std::string> CsvLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(std::string(text) + "<no CR LF>");
            break;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace corvane::testing
