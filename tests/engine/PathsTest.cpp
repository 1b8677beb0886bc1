// File names beyond ASCII reach the platform's file calls intact, for reading and for saving.
#include "LoadDocument.h"
#include "Support.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvane
