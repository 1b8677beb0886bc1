// What corvane-cli leaves around the file it writes: a file the user may not write stays as
// it is, long names and links work, and no temporary file survives a signal.
#include "CliProcess.h"
#include "OakCache.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <functional>
#include <thread>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;
using fs::perms;

bool HasTemporaryFile(const TempDir& dir) {
    for (const std::string& name : dir.entries())
        if (name.find(".corvane-") != std::string::npos) return true;
    return false;
}

// Run as nobody (when the tests run as root) in a folder anyone may write, except where a case says otherwise.
TEST(Hardening, TheOutputFileIsWrittenOnlyWhereTheUserMayWriteIt) {
    const std::vector<std::pair<std::function<std::string(TempDir&)>, int>> cases{
        {[](TempDir& d) {
             fs::permissions(d.Write("a", "old"), perms::owner_read | perms::others_read);
             return d.path("a");
         },
         4},
        {[](TempDir& d) { return d.path(std::string(245, 'n') + ".csv"); }, 0},
        {[](TempDir& d) {  // in place, as no temporary file can be made
             fs::permissions(d.Write("a", "old"), perms::owner_write | perms::others_write, fs::perm_options::add);
             fs::permissions(d.path(""), perms::owner_write | perms::others_write, fs::perm_options::remove);
             return d.path("a");
         },
         0},
        {[](TempDir& d) {
             fs::create_symlink("real.csv", d.path("a"));
             return d.path("a");
         },
         0},  // creates real.csv
    };
    for (const auto& [target, status] : cases) {
        TempDir dir;
        fs::permissions(dir.path(""), perms::all);
        CliRun run;
        run.args = {"--force", "--quiet", dir.Write("in.gpx", std::string(kOakGpx)), target(dir)};
        run.unprivileged = true;
        const bool link = fs::is_symlink(run.args[3]);
        EXPECT_EQ(RunCli(run).status, status) << run.args[3];
        EXPECT_TRUE(status == 0 ? ReadFile(run.args[3]).starts_with(kFirstIconLine) : ReadFile(run.args[3]) == "old");
        EXPECT_EQ(fs::is_symlink(run.args[3]), link);
        EXPECT_FALSE(HasTemporaryFile(dir));
        fs::permissions(dir.path(""), perms::all);
    }
}

TEST(Hardening, ASignalLeavesTheOldFileAndNoTemporaryFile) {
    TempDir input;
    std::string gpx = "<gpx>";
    for (int i = 0; i < 100'000; ++i) gpx += kOakGpx.substr(5, kOakGpx.size() - 11);
    gpx = input.Write("many.gpx", gpx + "</gpx>");
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        TempDir dir;
        CliRun run;
        run.args = {"--force", "--quiet", gpx, dir.Write("out.csv", "old")};
        run.whileRunning = [&](pid_t child) {
            for (int wait = 0; wait < 100'000 && !HasTemporaryFile(dir); ++wait)
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            EXPECT_TRUE(HasTemporaryFile(dir)) << signal;
            kill(child, signal);
        };
        EXPECT_EQ(RunCli(run).status, -1) << signal;
        EXPECT_EQ(ReadFile(run.args[3]), "old") << signal;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"}) << signal;
    }
}

}  // namespace
}  // namespace corvane::testing
