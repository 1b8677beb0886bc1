// Platform-only: Ctrl-C reaches a Windows program as a console event, pressed here by hold-file
// in a console of its own the moment the temporary file appears.
#include "Support.h"
#include "Utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::testing {
namespace {

// Wine gives a program a new console only on an X display.
bool ConsoleAvailable() {
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return !wine || GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) != 0;
}

// The program ends, its old file whole and no temporary file left.
TEST(Cli, CtrlCLeavesTheOldFileAndNoTemporaryFile) {
    if (!ConsoleAvailable()) GTEST_SKIP() << "no console to press Ctrl-C in";
    TempDir dir;
    std::string many = "<gpx>";
    for (int i = 0; i < 5'000; ++i) many += kOakGpx.substr(5, kOakGpx.size() - 11);
    const std::string gpx = dir.Write("many.gpx", many + "</gpx>"), csv = dir.Write("out.csv", "old");
    std::wstring command = Utf16("\"" CORVANE_HOLD_FILE "\" ctrl-c \"" + dir.path("*.corvane-*") +
                                 "\" \"" CORVANE_CLI "\" --force --quiet \"" + gpx + "\" \"" + csv + "\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, 60'000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The exit status is not compared: Windows documents STATUS_CONTROL_C_EXIT, Wine gives 0. The
    // old contents show that the run ended before its commit.
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"many.gpx", "out.csv"}));
    EXPECT_EQ(ReadFile(csv), "old");
}

}  // namespace
}  // namespace corvane::testing
