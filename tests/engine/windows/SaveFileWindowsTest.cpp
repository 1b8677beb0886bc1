// Platform-only: the read-only attribute and the NUL device are Windows' own.
#include "SaveFile.h"
#include "Support.h"
#include "Utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane {
namespace {

TEST(SaveFileWindows, ReadOnlyFilesAreRefusedAndKept) {
    testing::TempDir dir;
    const std::string target = dir.Write("out.csv", "old");
    SetFileAttributesW(Utf16(target).c_str(), FILE_ATTRIBUTE_READONLY);
    {
        SaveFile file(target);
        EXPECT_FALSE(file.open());
        EXPECT_FALSE(file.commit());
    }
    SetFileAttributesW(Utf16(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(testing::ReadFile(target), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"});
}

// Windows counts a name's length in UTF-16 units, so this is its own case beside the POSIX one.
TEST(SaveFileWindows, ANameOfTheLongestLengthIsWritten) {
    testing::TempDir dir;
    const std::string name = std::string(251, 'n') + ".csv";
    SaveFile file(dir.path(name));
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write("new", 3));
    EXPECT_TRUE(file.commit());
    EXPECT_EQ(testing::ReadFile(dir.path(name)), "new");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
}

TEST(SaveFileWindows, TheNulDeviceIsWrittenInPlace) {
    SaveFile file("NUL");
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write("x", 1));
    EXPECT_TRUE(file.commit());
}

}  // namespace
}  // namespace corvane
