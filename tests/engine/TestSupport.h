// In-memory conversions and CSV lines for the engine tests.
#pragma once

#include "CacheRecord.h"
#include "FakeWindow.h"
#include "LoadDocument.h"
#include "Sink.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::testing {

// Lines of a CSV text without their CR LF ends
inline std::vector<std::string> Lines(const std::string& csv) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    if (start != csv.size()) lines.push_back(csv.substr(start));
    return lines;
}

// The lines after the icon table
inline std::vector<std::string> WaypointLines(const std::string& csv) {
    std::vector<std::string> lines = Lines(csv);
    lines.erase(lines.begin(), lines.begin() + std::min<std::size_t>(80, lines.size()));
    return lines;
}

// Convert GPX text held in memory through the window's options; returns the CSV bytes
inline std::string ConvertText(std::string_view gpx, FakeWindow& window, CacheRecord& record,
                               const std::string& codePage = "utf-8") {
    TempDir dir;
    WriteFile(dir.path("in.gpx"), gpx);
    window.gpx = dir.path("in.gpx");
    if (window.mm.empty()) window.mm = dir.path("out.csv");
    MemorySink sink;
    RunOptions options;
    options.codePage = codePage;
    options.output = &sink;
    LoadDocument(window, record, options);
    return sink.text();
}

// The WP04 lines of GPX text converted with default options (CacheMate link, no hints)
inline std::vector<std::string> ConvertToLines(std::string_view gpx, FakeWindow window = {}) {
    CacheRecord record;
    return WaypointLines(ConvertText(gpx, window, record));
}

}  // namespace corvane::testing
