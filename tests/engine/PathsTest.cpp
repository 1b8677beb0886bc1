// File names beyond ASCII reach the platform's file calls intact, for reading and for saving.
#include "CacheRecord.h"
#include "LoadDocument.h"
#include "Support.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Paths, NamesBeyondAsciiAreReadAndReplaced) {
    testing::TempDir dir;
    testing::FakeWindow window;
    window.gpx = dir.Write("Košice čaj 東京.gpx", testing::kOakGpx);
    window.mm = dir.Write("Łódź 😀.csv", "old");
    window.answer = kAnswerYes;
    CacheRecord record;
    RunOptions options;
    options.codePage = "windows-1252";
    EXPECT_EQ(LoadDocument(window, record, options).outcome, RunOutcome::Written);
    EXPECT_EQ(testing::Lines(testing::ReadFile(window.mm)).at(80), testing::OakLine());
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"Košice čaj 東京.gpx", "Łódź 😀.csv"}));
}

}  // namespace
}  // namespace corvane
