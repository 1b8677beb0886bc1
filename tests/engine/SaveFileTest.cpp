// Saving replaces a file only when all of it was written.
#include "TestSupport.h"

#include "SaveFile.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(SaveFile, TheTargetChangesOnlyAtCommit) {
    TempDir dir;
    const std::string target = dir.path("out.csv");
    WriteFile(target, "old");
    {
        SaveFile file(target);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("new", 3));
        EXPECT_EQ(ReadFile(target), "old");
        EXPECT_TRUE(file.commit());
    }
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"});
}

TEST(SaveFile, AbandonedSavesLeaveNoTrace) {
    TempDir dir;
    const std::string target = dir.path("out.csv");
    WriteFile(target, "old");
    {
        SaveFile file(target);
        ASSERT_TRUE(file.open());
        file.write("partial", 7);
    }
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"});
}

TEST(SaveFile, DevicesAreWrittenInPlace) {
    SaveFile file("/dev/null");
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write("x", 1));
    EXPECT_TRUE(file.commit());
}

}  // namespace
}  // namespace corvane
