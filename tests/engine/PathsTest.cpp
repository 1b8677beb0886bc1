// File names beyond ASCII reach the platform's file calls intact, for reading and for saving.
#include "TestSupport.h"

namespace corvane {
namespace {

using testing::FakeWindow;
using testing::ReadFile;
using testing::TempDir;

TEST(Paths, NamesBeyondAsciiAreReadAndReplaced) {
    TempDir dir;
    FakeWindow window;
    window.gpx = dir.Write("Košice čaj 東京.gpx", "<gpx><wpt lat=\"1\" lon=\"2\"><name>GC1</name></wpt></gpx>");
    window.mm = dir.Write("Łódź 😀.csv", "old");
    window.answers = {kAnswerYes};
    CacheRecord record;
    EXPECT_EQ(LoadDocument(window, record, RunOptions{"utf-8", nullptr, nullptr}).outcome, RunOutcome::Written);
    EXPECT_EQ(window.prompts(), (std::vector<std::string>{"Overwrite the existing file?", "Complete!"}));
    EXPECT_NE(ReadFile(window.mm).find(",GC1,"), std::string::npos);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"Košice čaj 東京.gpx", "Łódź 😀.csv"}));
}

}  // namespace
}  // namespace corvane
