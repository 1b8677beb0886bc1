// Platform-only: the NUL device and files that another program holds open with a share mode are
// Windows' own.
#include "ReadFile.h"
#include "SaveFile.h"
#include "Support.h"
#include "Utf16.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane {
namespace {

// hold-file, holding a file as another program would for as long as this lives (or its time).
class Holder {
public:
    Holder(const std::string& access, const std::string& share, int milliseconds, const std::string& path) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr;
        CreatePipe(&out_, &write, &inherit, 0);
        SetHandleInformation(out_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        std::wstring command = Utf16("\"" CORVANE_HOLD_FILE "\" " + access + " " + share + " " +
                                     std::to_string(milliseconds) + " \"" + path + "\"");
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_);
        CloseHandle(write);
    }
    ~Holder() {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, INFINITE);
        for (HANDLE handle : {out_, process_.hProcess, process_.hThread}) CloseHandle(handle);
    }
    // Wait until the file is held; false when the helper gave up
    bool held() {
        char text[8] = {};
        DWORD got = 0;
        return ReadFile(out_, text, 4, &got, nullptr) && std::string(text, got) == "held";
    }

private:
    HANDLE out_ = nullptr;
    PROCESS_INFORMATION process_{};
};

// A virus scanner opens the new file the moment it appears; another program holds the old one,
// sharing nothing, so that it cannot even be read. How long a save waits is the save's rule,
// tested with the others above the platform's operations.
TEST(SaveFileWindows, FilesOtherProgramsHoldAreWaitedForOrInUse) {
    const struct {
        const char* held;  // the file another program holds: the old one, or the first that matches
        const char *access, *share;
        int milliseconds;
        bool committed;      // false: the save is given up (the conversion failed), its file removed
        std::string reason;  // "" when the save succeeds
    } rows[] = {
        {"*.corvane-*", "r", "rw", 300, true, ""},
        {"*.corvane-*", "r", "rw", 300, false, ""},
        {"out.csv", "rw", "-", 60'000, true, "the file is being used by another program"},
    };
    for (const auto& row : rows) {
        testing::TempDir dir;
        const std::string target = dir.Write("out.csv", "old");
        {
            // The holder lets go only after the save has ended, well before its time is up.
            Holder holder(row.access, row.share, row.milliseconds, dir.path(row.held));
            SaveFile file(target);
            ASSERT_TRUE(file.open());
            ASSERT_TRUE(holder.held()) << row.held;
            FileBytes bytes;
            EXPECT_EQ(ReadWholeFile(target, bytes) == std::errc::device_or_resource_busy, !row.reason.empty());
            EXPECT_TRUE(file.write("new", 3));
            EXPECT_EQ(row.committed && file.commit(), row.committed && row.reason.empty()) << row.held;
            EXPECT_EQ(Words({Doing::Save, file.error()}), row.reason) << row.held;
        }
        const bool saved = row.committed && row.reason.empty();
        EXPECT_EQ(testing::ReadFile(target), saved ? "new" : "old") << row.held;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"}) << row.held;
    }
}

TEST(SaveFileWindows, TheNulDeviceIsWrittenInPlace) {
    SaveFile file("NUL");
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write("x", 1));
    EXPECT_TRUE(file.commit());
}

}  // namespace
}  // namespace corvane
