// Platform-only: the NUL device, files that another program holds open with a share mode, and the
// console's Ctrl-C are Windows' own.
#include "ReadFile.h"
#include "SaveFile.h"
#include "Support.h"
#include "Utf16.h"
#include "windows/ChildProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace corvane {
namespace {

// A file held open as another program holds it (a virus scanner, a spreadsheet): share modes
// apply to every handle alike, whichever program has it. Let go after milliseconds, or sooner
// when this is destroyed.
class Held {
public:
    Held(const std::string& path, DWORD access, DWORD share, DWORD milliseconds)
        : handle_(CreateFileW(Utf16(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)),
          letGo_([this, milliseconds] {
              WaitForSingleObject(done_, milliseconds);
              CloseHandle(handle_);
          }) {}
    ~Held() {
        SetEvent(done_);
        letGo_.join();
        CloseHandle(done_);
    }
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE done_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE handle_;
    std::thread letGo_;
};

// A virus scanner opens the new file the moment it appears; another program holds the old one,
// sharing nothing, so that it cannot even be read. How long a save waits is the save's rule,
// tested with the others above the platform's operations.
TEST(SaveFileWindows, FilesOtherProgramsHoldAreWaitedForOrInUse) {
    const struct {
        bool temporary;  // the file held: the temporary one, or the old one
        DWORD access, share, milliseconds;
        bool committed;      // false: the save is given up (the conversion failed), its file removed
        std::string reason;  // "" when the save succeeds
    } rows[] = {
        {true, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 300, true, ""},
        {true, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 300, false, ""},
        {false, GENERIC_READ | GENERIC_WRITE, 0, 60'000, true, "the file is being used by another program"},
    };
    for (const auto& row : rows) {
        const auto i = &row - rows;
        testing::TempDir dir;
        const std::string target = dir.Write("out.csv", "old");
        {
            SaveFile file(target);
            ASSERT_TRUE(file.open());
            // ".out.csv.corvane-..." before "out.csv"; let go only after the save has ended
            Held held(dir.path(dir.entries()[row.temporary ? 0 : 1]), row.access, row.share, row.milliseconds);
            ASSERT_TRUE(held.held()) << i;
            FileBytes bytes;
            EXPECT_EQ(ReadWholeFile(target, bytes) == std::errc::device_or_resource_busy, !row.reason.empty()) << i;
            EXPECT_TRUE(file.write("new", 3));
            EXPECT_EQ(row.committed && file.commit(), row.committed && row.reason.empty()) << i;
            EXPECT_EQ(Words({Doing::Save, file.error()}), row.reason) << i;
        }
        const bool saved = row.committed && row.reason.empty();
        EXPECT_EQ(testing::ReadFile(target), saved ? "new" : "old") << i;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"}) << i;
    }
}

TEST(SaveFileWindows, TheNulDeviceIsWrittenInPlace) {
    SaveFile file("NUL");
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write("x", 1));
    EXPECT_TRUE(file.commit());
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// press-ctrl-c presses the key in its console once the conversion's last lines are in the temporary
// file, and waits there: the event always meets the save half done. The program ends at once,
// with no earlier handler seeing the event, the old file whole and no temporary file left.
TEST(SaveFileWindows, CtrlCAndCtrlBreakLeaveTheOldFileAndNoTemporaryFile) {
    // Wine gives a program a new console only on an X display.
    if (UnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) GTEST_SKIP() << "no console";
    for (const std::string key : {"ctrl-c", "ctrl-break"}) {
        // Wine 8 refuses to generate Ctrl-Break (GenerateConsoleCtrlEvent fails), which Windows does.
        if (UnderWine() && key == "ctrl-break") continue;
        testing::TempDir dir;
        const std::string gpx = dir.Write("in.gpx", testing::kOakGpx), csv = dir.Write("out.csv", "old");
        testing::ChildProcess program(Utf16("\"" CORVANE_PRESS_CTRL_C "\" " + key + " \"" + gpx + "\" \"" + csv + "\""),
                                      nullptr, testing::InheritedFile(dir.path("said"), GENERIC_WRITE, CREATE_ALWAYS),
                                      nullptr, CREATE_NEW_CONSOLE);
        EXPECT_EQ(program.Wait(), STATUS_CONTROL_C_EXIT) << key;
        EXPECT_EQ(testing::ReadFile(dir.path("said")), "") << key;
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in.gpx", "out.csv", "said"})) << key;
        EXPECT_EQ(testing::ReadFile(csv), "old") << key;
    }
}

}  // namespace
}  // namespace corvane
