// A whole conversion run: names, loading, the question, writing and its messages.
#include "TestSupport.h"

#include "Messages.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>

namespace corvane {
namespace {

using testing::FakeWindow;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr std::string_view kOneCache =
    "<gpx xmlns:groundspeak=\"g\"><wpt lat=\"51.5\" lon=\"-0.1\"><name>GC1ABCD</name><sym>Geocache Found</sym>"
    "<groundspeak:name>Old Oak Tree</groundspeak:name><groundspeak:type>Traditional Cache</groundspeak:type>"
    "<groundspeak:container>Regular</groundspeak:container></wpt></gpx>";
constexpr std::string_view kOneLine =
    "WP04,51.5,-0.1,106,\"Old Oak Tree (/ TR)\",GC1ABCD,\"\\cmate:GC1ABCD\",0.0,1,GC1ABCD,1,1,Traditional,0\r\n";

// A run against real files in a temporary folder.
struct FileRun {
    TempDir dir;
    FakeWindow window;
    CacheRecord record;

    FileRun() {
        WriteFile(dir.path("in.gpx"), kOneCache);
        window.gpx = dir.path("in.gpx");
        window.mm = dir.path("out.csv");
    }
    RunResult operator()() {
        RunOptions options;
        options.codePage = "windows-1252";
        return LoadDocument(window, record, options);
    }
};

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(LoadDocument, EmptyNamesStopBeforeAnythingIsLoaded) {
    for (const auto& [gpx, mm] : {std::pair{"", ""}, {"", "out.csv"}, {"in.gpx", ""}}) {
        FileRun run;
        run.window.gpx = gpx[0] ? run.dir.path(gpx) : "";
        run.window.mm = mm[0] ? run.dir.path(mm) : "";
        EXPECT_EQ(run().outcome, RunOutcome::NamesMissing);
        ASSERT_EQ(run.window.shown.size(), 1u);
        EXPECT_EQ(run.window.shown[0].prompt, "Please give me some file names to play with.");
        EXPECT_EQ(run.window.shown[0].style, 48);
        EXPECT_EQ(run.window.shown[0].title, "Conversion");
        EXPECT_EQ(run.dir.entries(), std::vector<std::string>{"in.gpx"});
    }
    // Blanks are a name: the run goes on and fails to load it.
    FileRun blanks;
    blanks.window.gpx = " ";
    EXPECT_EQ(blanks().outcome, RunOutcome::LoadFailed);
}

TEST(LoadDocument, LoadFailureLeavesTheOutputAlone) {
    FileRun run;
    run.window.gpx = run.dir.path("missing.gpx");
    WriteFile(run.window.mm, "keep me");
    EXPECT_EQ(run().outcome, RunOutcome::LoadFailed);
    ASSERT_EQ(run.window.shown.size(), 1u);
    EXPECT_EQ(run.window.shown[0].prompt, "I have a problem loading the GPX file, please check it or select another.");
    EXPECT_EQ(run.window.shown[0].style, 48);
    EXPECT_EQ(run.window.shown[0].title, "Convertion");
    EXPECT_EQ(ReadFile(run.window.mm), "keep me");
    EXPECT_EQ(run.window.iconSets, 0);
}

TEST(LoadDocument, NewFileIsWrittenWithoutAsking) {
    FileRun run;
    const RunResult result = run();
    EXPECT_EQ(result.outcome, RunOutcome::Written);
    EXPECT_EQ(result.waypoints, 1u);
    EXPECT_EQ(run.window.prompts(), std::vector<std::string>{"Complete!"});
    EXPECT_EQ(run.window.shown[0].style, 64);
    const std::string csv = ReadFile(run.window.mm);
    EXPECT_TRUE(csv.starts_with("IC01 , 101, \"\\MM Icons\\EventF.bmp\"\r\n"));
    EXPECT_TRUE(EndsWith(csv, kOneLine));
    EXPECT_EQ(testing::Lines(csv).size(), 81u);
    EXPECT_EQ(run.dir.entries(), (std::vector<std::string>{"in.gpx", "out.csv"}));
}

TEST(LoadDocument, ExistingFileIsReplacedOnlyAfterYes) {
    for (int answer : {kAnswerYes, kAnswerNo}) {
        FileRun run;
        WriteFile(run.window.mm, "old contents");
        run.window.answers = {answer};
        const RunResult result = run();
        EXPECT_EQ(run.window.prompts(), (std::vector<std::string>{"Overwrite the existing file?", "Complete!"}));
        EXPECT_EQ(run.window.shown[0].style, 36);
        EXPECT_EQ(run.window.shown[0].title, "Conversion");
        if (answer == kAnswerYes) {
            EXPECT_EQ(result.outcome, RunOutcome::Written);
            EXPECT_TRUE(EndsWith(ReadFile(run.window.mm), kOneLine));
            EXPECT_EQ(run.window.icon, "\\MM Icons\\");
        } else {
            EXPECT_EQ(result.outcome, RunOutcome::NotReplaced);
            EXPECT_EQ(ReadFile(run.window.mm), "old contents");
            EXPECT_EQ(run.window.iconSets, 0);
        }
        EXPECT_EQ(run.dir.entries(), (std::vector<std::string>{"in.gpx", "out.csv"}));
    }
}

TEST(LoadDocument, SamePathForInputAndOutputReplacesTheGpxAfterYes) {
    FileRun run;
    run.window.mm = run.window.gpx;
    run.window.answers = {kAnswerYes};
    EXPECT_EQ(run().outcome, RunOutcome::Written);
    EXPECT_EQ(run.window.prompts(), (std::vector<std::string>{"Overwrite the existing file?", "Complete!"}));
    EXPECT_TRUE(EndsWith(ReadFile(run.window.gpx), kOneLine));
}

TEST(LoadDocument, DocumentsWithoutWaypointsGiveTheIconTableOnly) {
    FileRun run;
    WriteFile(run.window.gpx, "<?xml version=\"1.0\"?><gpx><name>empty</name></gpx>");
    EXPECT_EQ(run().waypoints, 0u);
    const std::string csv = ReadFile(run.window.mm);
    EXPECT_EQ(testing::Lines(csv).size(), 80u);
    EXPECT_TRUE(EndsWith(csv, "CitoUBug.bmp\"\r\n"));
}

TEST(LoadDocument, TheRecordOutlivesTheRun) {
    FileRun run;
    run();
    EXPECT_EQ(run.record.WaypointCode, "GC1ABCD");
    EXPECT_FALSE(run.record.FirstWaypoint);
    // A second run starts from a record that the first waypoint resets.
    run.window.answers = {kAnswerYes};
    run();
    EXPECT_TRUE(EndsWith(ReadFile(run.window.mm), kOneLine));
}

TEST(LoadDocument, TheUserNameIsReadAtEachPlacedByText) {
    FileRun run;
    WriteFile(run.window.gpx,
              "<gpx><wpt lat=\"1\" lon=\"2\"><groundspeak:placed_by>A</groundspeak:placed_by></wpt>"
              "<wpt lat=\"1\" lon=\"2\"><groundspeak:placed_by>B</groundspeak:placed_by></wpt></gpx>");
    run();
    EXPECT_EQ(run.window.cacherReads, 2);
}

TEST(LoadDocument, FailedWritesKeepTheOldFileAndSayso) {
    struct Target {
        const char* what;
        std::function<std::string(TempDir&)> prepare;
    };
    const Target targets[] = {
        {"a missing folder", [](TempDir& d) { return d.path("no/such/folder/out.csv"); }},
        {"a folder",
         [](TempDir& d) {
             std::filesystem::create_directory(d.path("folder.csv"));
             return d.path("folder.csv");
         }},
        {"a full device", [](TempDir&) { return std::string("/dev/full"); }},
    };
    for (const auto& target : targets) {
        FileRun run;
        run.window.mm = target.prepare(run.dir);
        run.window.answers = {kAnswerYes};
        EXPECT_EQ(run().outcome, RunOutcome::WriteFailed) << target.what;
        const auto prompts = run.window.prompts();
        ASSERT_FALSE(prompts.empty());
        EXPECT_EQ(prompts.back(), "I have a problem writing the CSV file, please check it or select another.")
            << target.what;
        EXPECT_EQ(run.window.shown.back().style, 48);
        EXPECT_EQ(run.window.shown.back().title, "Conversion");
        EXPECT_EQ(std::count(prompts.begin(), prompts.end(), "Complete!"), 0) << target.what;
    }
}

TEST(LoadDocument, DiskFullHalfwayKeepsTheOldFileByteForByte) {
    // The run happens in a child whose file size limit stands in for a full disk.
    FileRun run;
    std::string big = "<gpx>";
    for (int i = 0; i < 2000; ++i) big += "<wpt lat=\"1\" lon=\"2\"><name>GC" + std::to_string(i) + "</name></wpt>";
    big += "</gpx>";
    WriteFile(run.window.gpx, big);
    const std::string old = "old,contents\r\n";
    WriteFile(run.window.mm, old);
    ::chmod(run.window.mm.c_str(), 0640);
    run.window.answers = {kAnswerYes};

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const RunResult result = run();
        const bool toldUser =
            run.window.prompts().back() == "I have a problem writing the CSV file, please check it or select another.";
        ::_exit(result.outcome == RunOutcome::WriteFailed && toldUser ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(run.window.mm), old);
    EXPECT_EQ(run.dir.entries(), (std::vector<std::string>{"in.gpx", "out.csv"}));
}

TEST(LoadDocument, ReplacingKeepsPermissionsAndLinks) {
    FileRun run;
    const std::string real = run.dir.path("real.csv");
    WriteFile(real, "old");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, run.window.mm);
    run.window.answers = {kAnswerYes};
    EXPECT_EQ(run().outcome, RunOutcome::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(run.window.mm));
    EXPECT_TRUE(EndsWith(ReadFile(real), kOneLine));
    struct stat info {};
    ::stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(LoadDocument, ReadsFromAStreamAndWritesToASink) {
    testing::TempDir dir;
    WriteFile(dir.path("in.gpx"), kOneCache);
    std::FILE* input = std::fopen(dir.path("in.gpx").c_str(), "rb");
    ASSERT_NE(input, nullptr);
    FakeWindow window;
    window.gpx = "-";
    window.mm = "-";
    CacheRecord record;
    MemorySink sink;
    RunOptions options;
    options.codePage = "utf-8";
    options.input = input;
    options.output = &sink;
    const RunResult result = LoadDocument(window, record, options);
    std::fclose(input);
    EXPECT_EQ(result.outcome, RunOutcome::Written);
    EXPECT_TRUE(EndsWith(sink.text(), kOneLine));
    EXPECT_EQ(window.prompts(), std::vector<std::string>{"Complete!"});
}

}  // namespace
}  // namespace corvane
