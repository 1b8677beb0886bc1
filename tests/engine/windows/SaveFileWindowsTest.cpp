// Platform-only: the read-only attribute, the NUL device, UTF-16 name lengths, files that another
// program holds open with a share mode, and the console's Ctrl-C are Windows' own.
#include "ReadFile.h"
#include "SaveFile.h"
#include "Support.h"
#include "SystemError.h"
#include "Utf16.h"
#include "windows/ChildProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
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

// A virus scanner opens the new file the moment it appears; a spreadsheet holds the old one.
TEST(SaveFileWindows, FilesOtherProgramsHoldAreWaitedForAWhile) {
    constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE, kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;
    const struct {
        bool temporary;  // the file held: the temporary one, or the old one
        DWORD access, share, milliseconds;
        bool committed;      // false: the save is given up (the conversion failed), its file removed
        std::string reason;  // "" when the save succeeds
    } rows[] = {
        {true, GENERIC_READ, kShareReadWrite, 300, true, ""},
        {true, GENERIC_READ, kShareReadWrite, 300, false, ""},
        {false, kReadWrite, FILE_SHARE_READ, 300, true, ""},
        {false, kReadWrite, FILE_SHARE_READ, 60'000, true, kInUseReason},
    };
    for (const auto& row : rows) {
        const auto i = &row - rows;
        testing::TempDir dir;
        const std::string target = dir.Write("out.csv", "old");
        {
            SaveFile file(target);
            ASSERT_TRUE(file.open());
            // ".out.csv.corvane-..." before "out.csv"
            Held held(dir.path(dir.entries()[row.temporary ? 0 : 1]), row.access, row.share, row.milliseconds);
            ASSERT_TRUE(held.held()) << i;
            EXPECT_TRUE(file.write("new", 3));
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(row.committed && file.commit(), row.committed && row.reason.empty()) << i;
            EXPECT_EQ(file.reason(), row.reason) << i;
            // Given up after about two seconds, not at once and not after the holder let go.
            const auto waited = std::chrono::steady_clock::now() - start;
            EXPECT_TRUE(row.reason.empty() || waited > std::chrono::milliseconds(1500)) << i;
        }
        const bool saved = row.committed && row.reason.empty();
        EXPECT_EQ(testing::ReadFile(target), saved ? "new" : "old") << i;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"}) << i;
    }
}

TEST(SaveFileWindows, AGpxFileAnotherProgramHoldsIsInUse) {
    testing::TempDir dir;
    const std::string gpx = dir.Write("in.gpx", testing::kOakGpx);
    Held held(gpx, GENERIC_READ | GENERIC_WRITE, 0, 60'000);
    ASSERT_TRUE(held.held());
    FileBytes bytes;
    std::string error;
    EXPECT_FALSE(ReadWholeFile(gpx, bytes, error));
    EXPECT_EQ(error, kInUseReason);
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
