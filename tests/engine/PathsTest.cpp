// File names beyond ASCII reach the platform's file calls intact, for reading and for saving.
#include "LoadDocument.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

TEST(Paths, NamesBeyondAsciiAreReadAndReplaced) {
    testing::TempDir dir;
    RunOptions options;
    options.iconFolder = "\\MM Icons\\";
    options.inputs = {dir.Write("Košice čaj 東京.gpx", testing::kOakGpx)};
    options.output = dir.Write("Łódź 😀.csv", "old");
    options.mayReplace = [](const std::string&) { return true; };
    options.codePage = "windows-1252";
    EXPECT_EQ(LoadDocument(options).outcome, RunOutcome::Written);
    EXPECT_EQ(testing::Lines(testing::ReadFile(options.output)).at(80), testing::OakLine());
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"Košice čaj 東京.gpx", "Łódź 😀.csv"}));
}

// Past the 260 characters that Windows' ordinary path form takes, in both directions.
TEST(Paths, LongPathsAreReadAndReplaced) {
    testing::TempDir dir;
    std::string folder;
    for (int depth = 0; depth < 5; ++depth) folder += std::string(60, 'a' + depth) + "/";
    std::filesystem::create_directories(dir.path(folder));
    RunOptions options;
    options.inputs = {dir.Write(folder + "in.gpx", testing::kOakGpx)};
    options.output = dir.Write(folder + "out.csv", "old");
    options.mayReplace = [](const std::string&) { return true; };
    options.codePage = "windows-1252";
    EXPECT_EQ(LoadDocument(options).outcome, RunOutcome::Written);
    EXPECT_EQ(testing::Lines(testing::ReadFile(options.output)).at(80), testing::OakLine());
}

}  // namespace
}  // namespace corvane
