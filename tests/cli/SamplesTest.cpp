// Every real GPX file from other tools converts with one waypoint line per wpt element;
// the damaged one does not load and leaves no file.
#include "CliProcess.h"
#include "OakCache.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

// Number of wpt start tags in the text ("<wpt" not followed by more of a name)
std::size_t WptElements(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("<wpt"); at != std::string::npos; at = text.find("<wpt", at + 1)) {
        char next = at + 4 < text.size() ? text[at + 4] : ' ';
        if (next == '>' || next == '/' || std::isspace(static_cast<unsigned char>(next))) ++count;
    }
    return count;
}

TEST(Samples, EveryRealFileConvertsWithOneLinePerWaypoint) {
    const fs::path samples = CORVANE_SHARED_SAMPLES;
    if (!fs::is_directory(samples)) GTEST_SKIP() << "no sample folder at " << samples;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(samples))
        if (entry.path().extension() == ".gpx") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());

    for (const fs::path& file : files) {
        TempDir dir;
        std::string csv = dir.path("out.csv");
        CliResult result = RunCli({file.string(), csv});
        if (file.filename().string().find("MALFORMED") != std::string::npos) {
            EXPECT_EQ(result.status, 2) << file;
            EXPECT_FALSE(fs::exists(csv)) << file;
            continue;
        }
        EXPECT_EQ(result.status, 0) << file << "\n" << result.err;
        std::vector<std::string> lines = CsvLines(ReadFile(csv));
        std::size_t waypoints = std::count_if(lines.begin(), lines.end(),
                                              [](const std::string& line) { return line.starts_with("WP04,"); });
        std::size_t expected = WptElements(ReadFile(file.string()));
        EXPECT_EQ(waypoints, expected) << file;
        EXPECT_EQ(lines.size(), 80 + expected) << file;
        EXPECT_EQ(result.out, "Complete!\n" + std::to_string(expected) + (expected == 1 ? " waypoint" : " waypoints") +
                                  " written to " + csv + "\n")
            << file;
    }
}

}  // namespace
}  // namespace corvane::testing
