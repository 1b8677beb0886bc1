// Saving as rules over the file system's operations: each step of a save fails in turn, through a
// table of the system's operations that fail where planted, and every time the old file stays, no
// temporary file is left, and the reason is the failing step's. The rules are the same everywhere.
#include "SaveFile.h"
#include "Support.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace std::chrono_literals;

// The steps named fail with error once `after` calls of them have succeeded, `times` times (-1: for good).
struct Plant {
    std::string_view steps;
    std::errc error{};
    int after = 0, times = -1;
};
Plant gPlant;
int gCalls = 0;
std::chrono::milliseconds gPaused{};

std::error_code Planted(std::string_view step) {
    if (gPlant.steps.find(step) == std::string_view::npos) return {};
    const int call = gCalls++ - gPlant.after;
    return call >= 0 && (gPlant.times < 0 || call < gPlant.times) ? std::make_error_code(gPlant.error)
                                                                  : std::error_code();
}

#define PLANT(operation, step)                                          \
    fs.operation = [](auto... args) {                                   \
        const std::error_code planted = Planted(step);                  \
        return planted ? planted : savefs::System().operation(args...); \
    }

// The system's operations, failing where planted; time passes without waiting, and a second look
// after "access denied" finds the file held by another program.
savefs::Operations Faulty() {
    savefs::Operations fs = savefs::System();
    PLANT(CreateNew, "create");
    PLANT(OpenExisting, "open");
    PLANT(Write, "write");
    PLANT(Sync, "sync");
    PLANT(Replace, "replace");
    PLANT(Remove, "remove");
    // A close that fails has closed the file all the same.
    fs.Close = [](savefs::File file) {
        const std::error_code closed = savefs::System().Close(file), planted = Planted("close");
        return planted ? planted : closed;
    };
    fs.HeldByAnother = [](const std::string&) { return true; };
    fs.Pause = [](std::chrono::milliseconds time) { gPaused += time; };
    return fs;
}

TEST(SaveFile, EachStepThatFailsKeepsTheOldFileAndSaysWhy) {
    using enum std::errc;
    constexpr std::string_view kDevice = "the device reported an error";
    const struct {
        Plant plant;
        bool commit;                       // false: the save is given up, as when the conversion fails
        std::string_view content, reason;  // the file afterwards, and why the save failed
        std::chrono::milliseconds paused{};
    } rows[] = {
        {{"create", file_exists, 0, 1}, true, "new", ""},   // another name is tried
        {{"create", no_space_on_device}, true, "new", ""},  // written in place instead
        {{"create open", permission_denied}, true, "old", "access is denied"},
        {{"write", no_space_on_device, 1}, true, "old", "the disk is full"},  // halfway
        {{"sync", io_error}, true, "old", kDevice},
        {{"close", io_error}, true, "old", kDevice},
        {{"replace", io_error}, true, "old", kDevice},
        {{"replace", device_or_resource_busy, 0, 2}, true, "new", "", 30ms},  // held for a moment
        {{"replace", permission_denied}, true, "old", "the file is being used by another program", 2s},
        {{"remove", device_or_resource_busy, 0, 1}, false, "old", "", 10ms},
    };
    for (const auto& row : rows) {
        gPlant = row.plant, gCalls = 0, gPaused = {};
        const savefs::Operations fs = Faulty();
        testing::TempDir dir;
        const std::string target = dir.Write("out.csv", "old");
        {
            SaveFile file(target, fs);
            const bool saved = file.open() && file.write("ne", 2) && file.write("w", 1) && row.commit && file.commit();
            EXPECT_EQ(saved, row.content == "new") << row.plant.steps;
            EXPECT_EQ(Words({Doing::Save, file.error()}), row.reason) << row.plant.steps;
        }
        EXPECT_EQ(testing::ReadFile(target), row.content) << row.plant.steps;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"}) << row.plant.steps;
        EXPECT_EQ(gPaused, row.paused) << row.plant.steps;
    }
}

}  // namespace
}  // namespace corvane
