// One conversion run: the names, loading, the question, saving, and the boxes that report each outcome.
#include "CacheRecord.h"
#include "GpxDocument.h"
#include "LoadDocument.h"
#include "Sink.h"
#include "Support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace corvane {
namespace {

using testing::FakeWindow;
using testing::OakLine;
using testing::ReadFile;
using testing::TempDir;

const std::string kNames = "Please give me some file names to play with.|48|Conversion";
const std::string kLoad = "I have a problem loading the GPX file, please check it or select another.|48|Convertion";
const std::string kAsk = "Overwrite the existing file?|36|Conversion";
const std::string kDone = "Complete!|64|Conversion";
const std::string kWrite = "I have a problem writing the CSV file, please check it or select another.|48|Conversion";

// A window over in.gpx (the one-cache document) and out.csv (holding "old") in a temporary folder
struct Conversion {
    TempDir dir;
    FakeWindow window;
    CacheRecord record;
    Conversion() {
        window.gpx = dir.Write("in.gpx", testing::kOakGpx);
        window.mm = dir.Write("out.csv", "old");
    }
    RunOutcome operator()() { return LoadDocument(window, record, RunOptions{"windows-1252"}).outcome; }
    std::string csv() const { return ReadFile(window.mm); }
};

TEST(Run, EachOutcomeWithItsBoxesAndFiles) {
    const struct {
        const char *what, *gpx, *mm;
        int answer;
        RunOutcome outcome;
        std::vector<std::string> shown;
    } rows[] = {
        {"no GPX name", "", "out.csv", kAnswerYes, RunOutcome::NamesMissing, {kNames}},
        {"no CSV name", "in.gpx", "", kAnswerYes, RunOutcome::NamesMissing, {kNames}},
        {"GPX file missing", "missing.gpx", "out.csv", kAnswerYes, RunOutcome::LoadFailed, {kLoad}},
        {"new file", "in.gpx", "new.csv", kAnswerNo, RunOutcome::Written, {kDone}},
        {"Yes replaces", "in.gpx", "out.csv", kAnswerYes, RunOutcome::Written, {kAsk, kDone}},
        {"No keeps", "in.gpx", "out.csv", kAnswerNo, RunOutcome::NotReplaced, {kAsk, kDone}},
        {"folder missing", "in.gpx", "no/out.csv", kAnswerYes, RunOutcome::WriteFailed, {kWrite}},
        {"a folder", "in.gpx", "folder", kAnswerYes, RunOutcome::WriteFailed, {kWrite}},
        {"a full device", "in.gpx", "/dev/full", kAnswerYes, RunOutcome::WriteFailed, {kAsk, kWrite}},
    };
    for (const auto& row : rows) {
        Conversion run;
        std::filesystem::create_directory(run.dir.path("folder"));
        run.window.gpx = *row.gpx ? run.dir.path(row.gpx) : "";
        run.window.mm = *row.mm == '/' ? row.mm : *row.mm ? run.dir.path(row.mm) : "";
        run.window.answers = {row.answer};
        EXPECT_EQ(run(), row.outcome) << row.what;
        EXPECT_EQ(run.window.shown, row.shown) << row.what;
        const bool written = row.outcome == RunOutcome::Written;
        if (written) {
            EXPECT_EQ(testing::Lines(run.csv()).at(80), OakLine()) << row.what;
        }
        if (!written || std::string(row.mm) != "out.csv") {
            EXPECT_EQ(ReadFile(run.dir.path("out.csv")), "old");
        }
        std::vector<std::string> files{"folder", "in.gpx", "out.csv"};
        if (written && std::string(row.mm) == "new.csv") files.insert(files.begin() + 2, "new.csv");
        EXPECT_EQ(run.dir.entries(), files) << row.what;
    }
}

TEST(Run, DiskFullHalfwayKeepsTheOldFileByteForByte) {
    // The run happens in a child whose file size limit stands in for a full disk.
    Conversion run;
    std::string big = "<gpx>";
    for (int i = 0; i < 2000; ++i) big += "<wpt lat=\"1\" lon=\"2\"><name>GC" + std::to_string(i) + "</name></wpt>";
    run.dir.Write("in.gpx", big + "</gpx>");
    run.window.answers = {kAnswerYes};
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(run() == RunOutcome::WriteFailed && run.window.shown.back() == kWrite ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(run.csv(), "old");
    EXPECT_EQ(run.dir.entries(), (std::vector<std::string>{"in.gpx", "out.csv"}));
}

TEST(Run, ReplacingKeepsPermissionsAndLinks) {
    Conversion run;
    const std::string real = run.dir.Write("real.csv", "old");
    ::chmod(real.c_str(), 0640);
    std::filesystem::remove(run.window.mm);
    std::filesystem::create_symlink(real, run.window.mm);
    run.window.answers = {kAnswerYes};
    EXPECT_EQ(run(), RunOutcome::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(run.window.mm));
    EXPECT_EQ(testing::Lines(ReadFile(real)).at(80), OakLine());
    struct stat info {};
    ::stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Refuses every write, as a full disk behind standard output does.
struct FailingSink : Sink {
    bool write(const char*, std::size_t) override { return false; }
};

TEST(Run, ReadsAStreamAndReportsAFailingSink) {
    for (const bool fails : {false, true}) {
        Conversion run;
        std::FILE* input = std::fopen(run.window.gpx.c_str(), "rb");
        run.window.gpx = run.window.mm = "-";
        MemorySink memory;
        FailingSink failing;
        const RunOptions options{"windows-1252", input, fails ? static_cast<Sink*>(&failing) : &memory};
        EXPECT_EQ(LoadDocument(run.window, run.record, options).outcome,
                  fails ? RunOutcome::WriteFailed : RunOutcome::Written);
        std::fclose(input);
        EXPECT_EQ(run.window.shown, std::vector<std::string>{fails ? kWrite : kDone});
        if (!fails) {
            EXPECT_EQ(testing::Lines(memory.text()).at(80), OakLine());
        }
    }
}

TEST(Run, OnlyFilesWithOneDocumentElementLoad) {
    for (const char* bytes : {"", "<?xml version=\"1.0\"?>\n", "lat,lon\n1,2\n", "<gpx><wpt lat=\"1\"><name>GC1</na",
                              "<gpx><wpt></gpx></wpt>", "<gpx/><gpx/>"}) {
        GpxDocument document;
        EXPECT_FALSE(document.LoadBytes(bytes)) << bytes;
        EXPECT_FALSE(document.error().empty()) << bytes;
    }
    TempDir dir;
    GpxDocument document;
    EXPECT_FALSE(document.LoadFile(dir.path("")));  // the folder itself
    EXPECT_TRUE(document.LoadBytes("<?xml version=\"1.0\"?><!-- c --><gpx/>"));
}

}  // namespace
}  // namespace corvane
