// corvane-cli end to end on files: each exit status with what it prints and leaves on disk,
// and what the options and the locale put into the CSV file.
#include "CliProcess.h"
#include "OakCache.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

class Conversion : public ::testing::Test {
protected:
    TempDir dir;
    std::string gpx = dir.Write("oak.gpx", std::string(kOakGpx));
};

TEST_F(Conversion, EachExitStatusWithItsMessagesAndFiles) {
    const std::string csv = dir.Write("out.csv", "old");
    const std::string damaged = dir.Write("damaged.gpx", "<gpx><wpt lat=\"1\" lon=\"2\">");
    fs::create_directory(dir.path("folder"));
    const std::vector<std::string> before = dir.entries();

    const std::string help = "Try 'corvane-cli --help'.\n";
    const std::string namesMissing = "Please give me some file names to play with.\n";
    const std::string loadFailed = "I have a problem loading the GPX file, please check it or select another.\n";
    const std::string writeFailed = "I have a problem writing the CSV file, please check it or select another.\n";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out, err;
        std::string written;  // the CSV file the run wrote; every other file must be as it was
    };
    const std::vector<Case> cases{
        {{gpx}, 0, "Complete!\n1 waypoint written to " + dir.path("oak.csv") + "\n", "", dir.path("oak.csv")},
        {{"--force", gpx, csv}, 0, "Complete!\n1 waypoint written to " + csv + "\n", "", csv},
        {{"--quiet", gpx, dir.path("new.csv")}, 0, "", "", dir.path("new.csv")},
        {{"--bogus", gpx}, 1, "", "corvane-cli: unknown option '--bogus'\n" + help, ""},
        {{"", csv}, 1, "", namesMissing + help, ""},
        {{gpx, ""}, 1, "", namesMissing + help, ""},
        // --quiet keeps the reasons for failing.
        {{"--quiet", "--force", dir.path("missing.gpx"), csv},
         2,
         "",
         loadFailed + "corvane-cli: " + dir.path("missing.gpx") + ": No such file or directory\n",
         ""},
        {{damaged},
         2,
         "",
         loadFailed + "corvane-cli: " + damaged + ": line 1, column 26: the file ends before its end tags\n",
         ""},
        {{gpx, csv}, 3, "", csv + " exists and was not replaced; --force replaces it.\n", ""},
        {{"--force", gpx, dir.path("missing/out.csv")}, 4, "", writeFailed, ""},
        {{"--force", gpx, dir.path("folder")}, 4, "", writeFailed, ""},
        {{"--force", gpx, "/dev/full"}, 4, "", writeFailed, ""},
    };
    for (const Case& c : cases) {
        std::string run;
        for (const std::string& arg : c.args) run += "'" + arg + "' ";
        CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, c.status) << run;
        EXPECT_EQ(result.out, c.out) << run;
        EXPECT_EQ(result.err, c.err) << run;
        if (!c.written.empty()) {
            std::vector<std::string> lines = CsvLines(ReadFile(c.written));
            ASSERT_EQ(lines.size(), 81u) << run;
            EXPECT_EQ(lines.front(), kFirstIconLine) << run;
            EXPECT_EQ(lines.back(), kOakLine) << run;
            // Undo the run's one change, so that the checks below cover every other file.
            if (c.written == csv)
                dir.Write("out.csv", "old");
            else
                fs::remove(c.written);
        }
        EXPECT_EQ(dir.entries(), before) << run;
        EXPECT_EQ(ReadFile(csv), "old") << run;
        EXPECT_TRUE(fs::is_empty(dir.path("folder"))) << run;
    }
}

TEST_F(Conversion, OptionsReachTheLines) {
    const std::string csv = dir.path("options.csv");
    ASSERT_EQ(RunCli({"--link", "website", "--hints", "--icons=D:\\Maps", "--name", "Alice", gpx, csv}).status, 0);
    std::vector<std::string> lines = CsvLines(ReadFile(csv));
    ASSERT_EQ(lines.size(), 81u);
    EXPECT_EQ(lines.front(), R"x(IC01 , 101, "D:\Maps\EventF.bmp")x");
    // Field 4 is 3xx for the user's own caches; 6 and 7 carry the hint and the website.
    EXPECT_EQ(
        lines.back(),
        R"x(WP04,51.5,-0.1,306,"Old Oak Tree (1.5/2 TR)","GC1ABCD (Hint): Under the roots","http://x/GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)x");
}

TEST_F(Conversion, EncodingComesFromTheOptionOrElseTheLocale) {
    const std::string named =
        dir.Write("named.gpx",
                  "<gpx><wpt lat=\"1\" lon=\"2\"><name>GC3</name><groundspeak:cache xmlns:groundspeak=\"g\">"
                  "<groundspeak:name>M\u00fcller \u010d</groundspeak:name></groundspeak:cache></wpt></gpx>");
    struct Case {
        std::string locale;
        std::vector<std::string> options;
        std::string name;  // the cache name's bytes in the CSV
    };
    const std::vector<Case> cases{
        {"C", {}, "M\xFCller c"},
        {"cs_CZ.UTF-8", {}, "M\xFCller \xE8"},
        {"cs_CZ.UTF-8", {"--encoding", "utf-8"}, "M\xC3\xBCller \xC4\x8D"},
    };
    for (const Case& c : cases) {
        CliRun run;
        run.locale = c.locale;
        run.args = c.options;
        run.args.insert(run.args.end(), {named, "-"});
        CliResult result = RunCli(run);
        EXPECT_EQ(result.status, 0) << c.locale;
        EXPECT_NE(result.out.find("\"" + c.name + " ("), std::string::npos) << c.locale;
    }
}

}  // namespace
}  // namespace corvane::testing
