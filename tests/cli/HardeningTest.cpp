// What corvane-cli leaves around the file it writes: a file the user may not write stays as
// it is, long names and links work, and no temporary file survives a signal.
#include "Support.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
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
    const std::string nobody = getuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    for (const auto& [target, status] : cases) {
        TempDir dir;
        fs::permissions(dir.path(""), perms::all);
        const std::string gpx = dir.Write("in.gpx", kOakGpx), csv = target(dir);
        const bool link = fs::is_symlink(csv);
        const int run =
            std::system((nobody + CORVANE_CLI " --force --quiet " + gpx + " " + csv + " 2>/dev/null").c_str());
        EXPECT_EQ(WEXITSTATUS(run), status) << csv;
        EXPECT_TRUE(status == 0 ? Lines(ReadFile(csv)).back() == OakLine() : ReadFile(csv) == "old");
        EXPECT_EQ(fs::is_symlink(csv), link);
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
        const std::string csv = dir.Write("out.csv", "old");
        const pid_t child = fork();
        if (child == 0) {
            execl(CORVANE_CLI, CORVANE_CLI, "--force", "--quiet", gpx.c_str(), csv.c_str(), nullptr);
            _exit(127);
        }
        for (int wait = 0; wait < 100'000 && !HasTemporaryFile(dir); ++wait)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        EXPECT_TRUE(HasTemporaryFile(dir)) << signal;
        kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(ReadFile(csv), "old") << signal;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"}) << signal;
    }
}

}  // namespace
}  // namespace corvane::testing
