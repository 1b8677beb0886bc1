// File names beyond ASCII and of the longest length reach the platform's file calls intact, for
// reading and for saving; and the names a conversion keeps from writing over.
#include "GpxProtection.h"
#include "RunConversion.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace corvane {
namespace {

// Names beyond ASCII, a name of the longest length (255 bytes, or UTF-16 units on Windows), and
// paths past the 260 characters that Windows' ordinary path form takes.
TEST(Paths, NamesBeyondAsciiAndLongPathsAreReadAndReplaced) {
    std::string deep;
    for (int depth = 0; depth < 5; ++depth) deep += std::string(60, 'a' + depth) + "/";
    for (const auto& [folder, gpx, csv] :
         {std::tuple<std::string, std::string, std::string>{"", "Košice čaj 東京.gpx", "Łódź 😀.csv"},
          {"", "in.gpx", std::string(251, 'n') + ".csv"},
          {deep, "in.gpx", "out.csv"}}) {
        testing::TempDir dir;
        std::filesystem::create_directories(dir.path(folder));
        RunOptions options;
        options.inputs = {{dir.Write(folder + gpx, testing::kOakGpx)}};
        options.output.path = dir.Write(folder + csv, "old");
        options.mayReplace = [](const std::string&) { return true; };
        options.codePage = "windows-1252";
        EXPECT_EQ(RunConversion(options).outcome, RunOutcome::Written) << gpx;
        EXPECT_EQ(testing::Lines(testing::ReadFile(options.output.path)).at(80), testing::OakLine()) << gpx;
        EXPECT_TRUE(!folder.empty() || dir.entries() == (std::vector<std::string>{gpx, csv}));
    }
}

// Its inputs, under any name, and GPX and zip files by name or first bytes, unless named as the output (-o).
TEST(Paths, NoCsvFileIsWrittenOverAnInputOrAGpxOrZipFile) {
    testing::TempDir dir;
    const std::string gpx = dir.Write("a.gpx", testing::kOakGpx), csv = dir.Write("old.csv", "WP04,1");
    const std::string xml = dir.Write("gpx-data", "\xEF\xBB\xBF\r\n<?xml"), zip = dir.Write("pq-data", "PK\x03\x04");
    const std::string bytes = "the file is a GPX or zip file, not a CSV file";
    // inputs, CSV name, named as the output, the reason
    const std::tuple<std::vector<std::string>, std::string, bool, std::string> rows[] = {
        {{""}, "", false, ""},
        {{gpx}, csv, false, ""},
        {{csv, gpx}, dir.path("./a.gpx"), true, "the file is the GPX file being converted"},
        {{gpx}, dir.path("B.ZIP"), false, "the name is a GPX or zip file's, not a CSV file's"},
        {{gpx}, xml, false, bytes},
        {{gpx}, zip, false, bytes},
        {{gpx}, zip, true, ""},
    };
    for (const auto& [inputs, output, outputNamed, reason] : rows)
        EXPECT_EQ(Words({Doing::Save, GpxProtection(inputs, output, outputNamed)}), reason)
            << output << " " << outputNamed;
}

}  // namespace
}  // namespace corvane
