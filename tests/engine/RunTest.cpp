// One conversion run: the names, loading, the question, saving, and the boxes that report each outcome.
#include "CacheRecord.h"
#include "LoadDocument.h"
#include "Sink.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// A full device, file size limits, file modes and symbolic links are POSIX's; those tests run there.
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace corvane {
namespace {

using testing::ReadFile;
using Files = std::vector<std::string>;

const std::string kNames = "Please give me some file names to play with.|48|Conversion";
const std::string kLoad = "I have a problem loading the GPX file, please check it or select another.|48|Convertion";
const std::string kAsk = "Overwrite the existing file?|36|Conversion";
const std::string kDone = "Complete!|64|Conversion";
const std::string kWrite = "I have a problem writing the CSV file, please check it or select another.|48|Conversion";

// A window over in.gpx (the one-cache document) and out.csv (holding "old") in a temporary folder,
// with two.gpx beside them holding two documents
struct Conversion {
    testing::TempDir dir;
    testing::FakeWindow window;
    CacheRecord record;
    Conversion(const std::string& gpx = "in.gpx", const std::string& mm = "out.csv", int answer = kAnswerYes) {
        dir.Write("in.gpx", testing::kOakGpx);
        dir.Write("out.csv", "old");
        dir.Write("two.gpx", "<gpx/><gpx/>");
        window.gpx = gpx.empty() ? "" : dir.path(gpx);
        window.mm = mm.empty() || mm[0] == '/' ? mm : dir.path(mm);
        window.answer = answer;
    }
    RunOutcome operator()(Sink* sink = nullptr) { return Result(sink).outcome; }
    RunResult Result(Sink* sink = nullptr) {
        RunOptions options;
        options.codePage = "windows-1252";
        options.output = sink;
        return LoadDocument(window, record, options);
    }
};

TEST(Run, EachOutcomeWithItsBoxesAndFiles) {
    const struct {
        const char *gpx, *mm;
        int answer;
        RunOutcome outcome;
        std::vector<std::string> shown;
    } rows[] = {
        // clang-format off
        {"", "out.csv", kAnswerYes, RunOutcome::NamesMissing, {kNames}},
        {"in.gpx", "", kAnswerYes, RunOutcome::NamesMissing, {kNames}},
        {"missing.gpx", "out.csv", kAnswerYes, RunOutcome::LoadFailed, {kLoad}},
        {"two.gpx", "out.csv", kAnswerYes, RunOutcome::LoadFailed, {kLoad}},  // two top-level elements
        {".", "out.csv", kAnswerYes, RunOutcome::LoadFailed, {kLoad}},        // a folder
        {"in.gpx", "new.csv", kAnswerNo, RunOutcome::Written, {kDone}},
        {"in.gpx", "out.csv", kAnswerYes, RunOutcome::Written, {kAsk, kDone}},
        {"in.gpx", "out.csv", kAnswerNo, RunOutcome::NotReplaced, {kAsk, kDone}},
        // clang-format on
    };
    for (const auto& row : rows) {
        Conversion run(row.gpx, row.mm, row.answer);
        EXPECT_EQ(run(), row.outcome) << row.gpx << " > " << row.mm;
        EXPECT_EQ(run.window.shown, row.shown) << row.gpx << " > " << row.mm;
        // Only a written file changes, and no other file is left behind.
        const bool written = row.outcome == RunOutcome::Written, added = written && row.mm[0] == 'n';
        Files files{"in.gpx", "out.csv", "two.gpx"};
        if (added) files.insert(files.begin() + 1, "new.csv");
        EXPECT_EQ(run.dir.entries(), files) << row.gpx << " > " << row.mm;
        EXPECT_EQ(ReadFile(run.dir.path("out.csv")) == "old", !written || added);
        EXPECT_TRUE(!written || testing::Lines(ReadFile(run.window.mm)).at(80) == testing::OakLine());
    }
}

// The same words on every system; a file that no answer would let the run replace is refused before the question.
TEST(Run, AFailedWriteSaysWhyAndChangesNothing) {
    namespace fs = std::filesystem;
    const struct {
        std::string mm, reason;
        std::vector<std::string> shown;
    } rows[] = {
        {"no/out.csv", "the folder does not exist", {kWrite}},
        {".", "the name is a folder", {kWrite}},
        {"ro.csv", "the file is read-only", {kWrite}},  // nobody may write it, root included
#ifndef _WIN32
        {"/dev/full", "the disk is full", {kAsk, kWrite}},
#endif
    };
    for (const auto& row : rows) {
        Conversion run("in.gpx", row.mm);
        const std::string readOnly = run.dir.Write("ro.csv", "old");
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const RunResult result = run.Result();
        EXPECT_EQ(result.outcome, RunOutcome::WriteFailed) << row.mm;
        EXPECT_EQ(result.writeReason, run.window.mm + ": " + row.reason);
        EXPECT_EQ(run.window.shown, row.shown) << row.mm;
        EXPECT_EQ(ReadFile(readOnly), "old");
        EXPECT_EQ(run.dir.entries(), (Files{"in.gpx", "out.csv", "ro.csv", "two.gpx"})) << row.mm;
        fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
    }
}

#ifndef _WIN32
TEST(Run, DiskFullHalfwayKeepsTheOldFileByteForByte) {
    // The run happens in a child whose file size limit stands in for a full disk.
    Conversion run;
    std::string big = "<gpx>";
    for (int i = 0; i < 2000; ++i) big += "<wpt lat=\"1\" lon=\"2\"><name>GC" + std::to_string(i) + "</name></wpt>";
    run.dir.Write("in.gpx", big + "</gpx>");
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(run() == RunOutcome::WriteFailed && run.window.shown.back() == kWrite ? 0 : 1);
    }
    int status = 1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile(run.window.mm), "old");
    EXPECT_EQ(run.dir.entries(), (Files{"in.gpx", "out.csv", "two.gpx"}));
}

TEST(Run, ReplacingKeepsPermissionsAndLinks) {
    Conversion run;
    const std::string real = run.dir.Write("real.csv", "old");
    ::chmod(real.c_str(), 0640);
    std::filesystem::remove(run.window.mm);
    std::filesystem::create_symlink(real, run.window.mm);
    EXPECT_EQ(run(), RunOutcome::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(run.window.mm));
    EXPECT_EQ(testing::Lines(ReadFile(real)).at(80), testing::OakLine());
    struct stat info {};
    ::stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
#endif

TEST(Run, AFailingSinkIsAFailedWrite) {
    struct : Sink {
        bool write(const char*, std::size_t) override { return false; }
    } failing;
    Conversion run;
    EXPECT_EQ(run(&failing), RunOutcome::WriteFailed);
    EXPECT_EQ(run.window.shown, std::vector<std::string>{kWrite});
}

// A large file reports its bytes as they are read, a chunk at a time, not only once at the end.
TEST(Run, ProgressCountsTheBytesAsTheyAreRead) {
    testing::TempDir dir;
    testing::FakeWindow window;
    const std::string gpx = "<gpx><!--" + std::string(3 << 20, ' ') + "-->" + std::string(testing::kOakGpx.substr(5));
    window.gpx = dir.Write("large.gpx", gpx);
    window.mm = dir.path("large.csv");
    std::vector<std::size_t> bytes;
    RunOptions options;
    options.progress = [&](const RunProgress& p) {
        if (p.waypoints == 0) bytes.push_back(p.bytesRead);
    };
    CacheRecord record;
    ASSERT_EQ(LoadDocument(window, record, options).outcome, RunOutcome::Written);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_TRUE(std::is_sorted(bytes.begin(), bytes.end()));
    EXPECT_EQ(bytes.back(), gpx.size());
}

}  // namespace
}  // namespace corvane
