// File names beyond ASCII and of the longest length reach the platform's file calls intact, for
// reading and for saving.
#include "LoadDocument.h"
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
        EXPECT_EQ(LoadDocument(options).outcome, RunOutcome::Written) << gpx;
        EXPECT_EQ(testing::Lines(testing::ReadFile(options.output.path)).at(80), testing::OakLine()) << gpx;
        EXPECT_TRUE(!folder.empty() || dir.entries() == (std::vector<std::string>{gpx, csv}));
    }
}

}  // namespace
}  // namespace corvane
