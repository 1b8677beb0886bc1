// The icon set as files: their format, their names, that they differ, and how a folder is written.
#include "IconTable.h"
#include "Support.h"
#include "WriteIconSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>

namespace corvane::icons {
namespace {

using testing::ReadFile;
using testing::TempDir;

std::uint32_t Field(const std::string& bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

// A folder to write the icon set into
class IconSetFolder : public ::testing::Test {
protected:
    TempDir dir;
    std::string folder = dir.path("MM Icons");
    // The listing names files with the system's own separators.
    std::string Icon(const std::string& name) const {
        return (std::filesystem::path(folder) / name).make_preferred().string();
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }
};

TEST_F(IconSetFolder, EveryFileIsA32By32UncompressedBitmapOf16ColoursNamedByTheIconTable) {
    ASSERT_EQ(WriteIconSet(folder, false).written.size(), 87u);
    std::set<std::string> expected{"wptFinal.bmp",     "wptStage.bmp",     "wptVirtualStage.bmp", "wptQuestion.bmp",
                                   "wptReference.bmp", "wptTrailhead.bmp", "wptWaypoint.bmp"};
    for (const IconEntry& entry : kIconTable) expected.insert(std::string(entry.bitmap));
    EXPECT_EQ(Names(), expected);

    // BITMAPFILEHEADER and BITMAPINFOHEADER: offset, size and value of each field.
    const struct {
        std::size_t offset, size;
        std::uint32_t value;
    } header[] = {
        // clang-format off
        {0, 2, 'B' | 'M' << 8}, {2, 4, 630}, {10, 4, 118}, {14, 4, 40}, {18, 4, 32}, {22, 4, 32},
        {26, 2, 1}, {28, 2, 4}, {30, 4, 0}, {34, 4, 512}, {46, 4, 16},
        // clang-format on
    };
    std::set<std::string> contents;
    for (const std::string& name : expected) {
        const std::string bytes = ReadFile(Icon(name));
        ASSERT_EQ(bytes.size(), 630u) << name;
        for (const auto& field : header) EXPECT_EQ(Field(bytes, field.offset, field.size), field.value) << name;
        contents.insert(bytes);
    }
    EXPECT_EQ(contents.size(), expected.size()) << "two icons are alike";
}

TEST_F(IconSetFolder, KeepsIdenticalFilesAndReplacesDifferentOnesOnlyWhenTold) {
    WriteIconSet(folder, false);
    WriteIconsResult again = WriteIconSet(folder, false);
    EXPECT_EQ(again.outcome, WriteIconsOutcome::Written);
    EXPECT_EQ(again.written.size(), 0u);
    EXPECT_EQ(again.unchanged.size(), 87u);

    // A refusal writes nothing, not even the missing files.
    std::filesystem::remove(Icon("EventF.bmp"));
    dir.Write("MM Icons/CitoUBug.bmp", "mine");
    WriteIconsResult refused = WriteIconSet(folder, false);
    EXPECT_EQ(refused.outcome, WriteIconsOutcome::NotReplaced);
    EXPECT_EQ(refused.different, std::vector<std::string>{Icon("CitoUBug.bmp")});
    EXPECT_EQ(ReadFile(Icon("CitoUBug.bmp")), "mine");
    EXPECT_FALSE(std::filesystem::exists(Icon("EventF.bmp")));

    WriteIconsResult replaced = WriteIconSet(folder, true);
    EXPECT_EQ(replaced.outcome, WriteIconsOutcome::Written);
    EXPECT_EQ(replaced.written, (std::vector<std::string>{Icon("EventF.bmp"), Icon("CitoUBug.bmp")}));
}

}  // namespace
}  // namespace corvane::icons
