// The Windows window's first-run icon folder: the MM Icons folder beside the program when it is there.
#include "IconsBesideProgram.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace corvane {
namespace {

TEST(IconsBesideProgram, TheFolderBesideTheProgramWhenItIsThere) {
    wchar_t program[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    const std::filesystem::path folder = std::filesystem::path(program).parent_path() / L"MM Icons";
    std::filesystem::remove_all(folder);
    EXPECT_EQ(IconsBesideProgram(), "\\MM Icons\\");
    std::filesystem::create_directory(folder);
    const std::string found = IconsBesideProgram();
    std::filesystem::remove_all(folder);
    const std::u8string expected = folder.u8string() + u8"\\";
    EXPECT_EQ(found, std::string(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace corvane
