// One conversion run: the names, loading, the question, saving, and the outcome of each.
#include "RunConversion.h"
#include "Sink.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// A full device, file modes, symbolic links and signals are POSIX's; those tests run there.
#ifndef _WIN32
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>
#endif

namespace corvane {
namespace {

using testing::ReadFile;
using Files = std::vector<std::string>;

// A run over in.gpx (the one-cache document) and out.csv (holding "old") in a temporary folder; it
// counts the questions and answers them with answer
struct Conversion {
    testing::TempDir dir;
    RunOptions options;
    int asked = 0;
    Conversion(const std::string& gpx = "in.gpx", const std::string& mm = "out.csv", bool answer = true) {
        dir.Write("in.gpx", testing::kOakGpx);
        dir.Write("out.csv", "old");
        options.iconFolder = "\\MM Icons\\";
        options.inputs = {{gpx.empty() ? "" : dir.path(gpx)}};
        options.output.path = mm.empty() || mm[0] == '/' ? mm : dir.path(mm);
        options.codePage = "windows-1252";
        options.mayReplace = [this, answer](const std::string& path) {
            ++asked;
            return path == options.output.path && answer;
        };
    }
    RunResult operator()(Sink* sink = nullptr) {
        options.output.sink = sink;
        return RunConversion(options);
    }
};

// A failed write says why, in the same words on every system; a file that no answer would let
// the run replace is refused before the question. Only a written file changes, and no other file
// is left behind.
TEST(Run, EachOutcomeWithItsQuestionReasonAndFiles) {
    namespace fs = std::filesystem;
    const struct {
        const char *gpx, *mm;
        bool answer;
        RunOutcome outcome;
        int asked;
        const char* reason = "";
    } rows[] = {
        // clang-format off
        {"", "out.csv", true, RunOutcome::NamesMissing, 0},
        {"in.gpx", "", true, RunOutcome::NamesMissing, 0},
        {"missing.gpx", "out.csv", true, RunOutcome::LoadFailed, 0},
        {".", "out.csv", true, RunOutcome::LoadFailed, 0},        // a folder
        {"in.gpx", "new.csv", false, RunOutcome::Written, 0},
        {"in.gpx", "out.csv", true, RunOutcome::Written, 1},
        {"in.gpx", "out.csv", false, RunOutcome::NotReplaced, 1},
        {"in.gpx", "no/out.csv", true, RunOutcome::WriteFailed, 0, "the folder does not exist"},
        {"in.gpx", ".", true, RunOutcome::WriteFailed, 0, "the name is a folder"},
        {"in.gpx", "ro.csv", true, RunOutcome::WriteFailed, 0, "the file is read-only"},  // root included
        {"in.gpx", "sink", true, RunOutcome::WriteFailed, 0},  // it fails without saying why
#ifndef _WIN32
        {"in.gpx", "/dev/full", true, RunOutcome::WriteFailed, 1, "the disk is full"},
#endif
        // clang-format on
    };
    struct : Sink {
        bool write(const char*, std::size_t) override { return false; }
    } failing;
    for (const auto& row : rows) {
        Conversion run(row.gpx, row.mm, row.answer);
        const std::string readOnly = run.dir.Write("ro.csv", "old");
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const bool sink = row.mm == std::string("sink");
        const RunResult result = run(sink ? &failing : nullptr);
        fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(result.outcome, row.outcome) << row.gpx << " > " << row.mm;
        EXPECT_EQ(run.asked, row.asked) << row.gpx << " > " << row.mm;
        const bool failed = row.outcome == RunOutcome::LoadFailed || row.outcome == RunOutcome::WriteFailed;
        EXPECT_EQ(!!result.failure.cause, failed && !sink) << row.gpx << " > " << row.mm;
        EXPECT_TRUE(!*row.reason || Reason(result.failure) == run.options.output.path + ": " + row.reason) << row.mm;
        // The icon folder is reported once the icon table went out.
        const bool tableWritten = row.outcome == RunOutcome::Written || sink || row.mm == std::string("/dev/full");
        EXPECT_EQ(result.iconFolder.has_value(), tableWritten) << row.gpx << " > " << row.mm;
        const bool written = row.outcome == RunOutcome::Written, added = written && row.mm[0] == 'n';
        Files files{"in.gpx", "out.csv", "ro.csv"};
        if (added) files.insert(files.begin() + 1, "new.csv");
        EXPECT_EQ(run.dir.entries(), files) << row.gpx << " > " << row.mm;
        EXPECT_EQ(ReadFile(run.dir.path("out.csv")) == "old", !written || added);
        EXPECT_EQ(ReadFile(readOnly), "old");
        EXPECT_TRUE(!written || testing::Lines(ReadFile(run.options.output.path)).at(80) == testing::OakLine());
    }
}

#ifndef _WIN32
// A link stays a link: its file is replaced, keeping its permissions, or, when it points at
// nothing, created.
TEST(Run, ReplacingKeepsPermissionsAndLinks) {
    Conversion run;
    const std::string real = run.dir.Write("real.csv", "old");
    ::chmod(real.c_str(), 0640);
    std::filesystem::remove(run.options.output.path);
    std::filesystem::create_symlink("real.csv", run.options.output.path);
    EXPECT_EQ(run().outcome, RunOutcome::Written);
    struct stat info {};
    ::stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    std::filesystem::remove(real);
    EXPECT_EQ(run().outcome, RunOutcome::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(run.options.output.path));
    EXPECT_EQ(testing::Lines(ReadFile(real)).at(80), testing::OakLine());
}

// The run in a child process, on a worker thread as the window runs it, held where its temporary
// file is open and written (the progress report after the last lines) until the signal, which
// whichever thread takes, ends it; every wait bounded.
TEST(Run, ASignalWhileSavingLeavesTheOldFileAndNoTemporaryFile) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        Conversion run;
        int written[2];
        ASSERT_EQ(::pipe(written), 0);
        run.options.progress = [&](const RunProgress& p) {
            if (p.waypoints > 0 && ::write(written[1], "w", 1) == 1) ::pause();
        };
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(signal, SIG_DFL);
            std::thread([&] { run(); }).join();
            _exit(0);
        }
        ::close(written[1]);
        pollfd held{written[0], POLLIN, 0};
        char w = 0;
        EXPECT_TRUE(::poll(&held, 1, 60'000) == 1 && ::read(written[0], &w, 1) == 1) << signal;
        ::close(written[0]);
        ::kill(child, signal);
        int status = 0;  // waited for a minute at most, then killed
        for (int tick = 0; ::waitpid(child, &status, WNOHANG) == 0; ++tick)
            tick < 6000 ? std::this_thread::sleep_for(std::chrono::milliseconds(10)) : (void)::kill(child, SIGKILL);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(run.dir.entries(), (Files{"in.gpx", "out.csv"})) << signal;
        EXPECT_EQ(ReadFile(run.options.output.path), "old") << signal;
    }
}
#endif

// A large file reports its bytes as they are read, a chunk at a time, not only once at the end.
TEST(Run, ProgressCountsTheBytesAsTheyAreRead) {
    testing::TempDir dir;
    const std::string gpx = "<gpx><!--" + std::string(3 << 20, ' ') + "-->" + std::string(testing::kOakGpx.substr(5));
    std::vector<std::size_t> bytes;
    RunOptions options;
    options.inputs = {{dir.Write("large.gpx", gpx)}};
    options.output.path = dir.path("large.csv");
    options.progress = [&](const RunProgress& p) {
        if (p.waypoints == 0) bytes.push_back(p.bytesRead);
    };
    ASSERT_EQ(RunConversion(options).outcome, RunOutcome::Written);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_TRUE(std::is_sorted(bytes.begin(), bytes.end()));
    EXPECT_EQ(bytes.back(), gpx.size());
}

}  // namespace
}  // namespace corvane
