// corvane-cli end to end on files: what the options put into the CSV file, and each exit
// status with what it leaves on disk.
#include "CliProcess.h"
#include "OakCache.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kLoadFailed = "I have a problem loading the GPX file, please check it or select another.\n";
const std::string kWriteFailed = "I have a problem writing the CSV file, please check it or select another.\n";

// The comma-separated fields of a line; no field of these tests holds a comma
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

class Conversion : public ::testing::Test {
protected:
    TempDir dir;
    std::string gpx = dir.Write("oak.gpx", std::string(kOakGpx));
};

TEST_F(Conversion, WritesTheCsvNamedAfterTheGpxAndReports) {
    CliResult result = RunCli({gpx});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Complete!\n1 waypoint written to " + dir.path("oak.csv") + "\n");
    EXPECT_EQ(result.err, "");
    std::vector<std::string> lines = CsvLines(ReadFile(dir.path("oak.csv")));
    ASSERT_EQ(lines.size(), 81u);
    EXPECT_EQ(lines.front(), kFirstIconLine);
    EXPECT_EQ(lines.back(), kOakLine);
}

TEST_F(Conversion, OptionsReachTheLines) {
    struct Case {
        std::vector<std::string> options;
        std::string firstLine, lastLine;
    };
    const std::string website =
        R"x(WP04,51.5,-0.1,106,"Old Oak Tree (1.5/2 TR)",GC1ABCD,"http://x/GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)x";
    const std::string hints =
        R"x(WP04,51.5,-0.1,106,"Old Oak Tree (1.5/2 TR)","GC1ABCD (Hint): Under the roots","\cmate:GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)x";
    const std::string both =
        R"x(WP04,51.5,-0.1,106,"Old Oak Tree (1.5/2 TR)","GC1ABCD (Hint): Under the roots","http://x/GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)x";
    const std::string maps = R"x(IC01 , 101, "D:\Maps\EventF.bmp")x";
    const std::string first(kFirstIconLine), oak(kOakLine);
    const std::vector<Case> cases{
        {{}, first, oak},
        {{"--link", "cachemate"}, first, oak},
        {{"--hints"}, first, hints},
        {{"--link", "website"}, first, website},
        {{"--link=website", "--hints"}, first, both},
        {{"--icons", "D:\\Maps"}, maps, oak},
        {{"--icons=D:\\Maps\\"}, maps, oak},
    };
    int run = 0;
    for (const Case& c : cases) {
        std::string csv = dir.path("out" + std::to_string(++run) + ".csv");
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {gpx, csv});
        ASSERT_EQ(RunCli(args).status, 0) << "run " << run;
        std::vector<std::string> lines = CsvLines(ReadFile(csv));
        ASSERT_EQ(lines.size(), 81u) << "run " << run;
        EXPECT_EQ(lines.front(), c.firstLine) << "run " << run;
        EXPECT_EQ(lines.back(), c.lastLine) << "run " << run;
    }
}

TEST_F(Conversion, NameMarksTheUsersOwnCaches) {
    std::string placed =
        dir.Write("placed.gpx", R"(<gpx><wpt lat="1" lon="2"><name>GC2</name><groundspeak:cache xmlns:groundspeak="g">)"
                                R"(<groundspeak:type>Traditional Cache</groundspeak:type>)"
                                R"(<groundspeak:container>Regular</groundspeak:container>)"
                                R"(<groundspeak:placed_by>Alice and Bob</groundspeak:placed_by>)"
                                R"(</groundspeak:cache></wpt></gpx>)");
    ASSERT_EQ(RunCli({placed, dir.path("other.csv")}).status, 0);
    ASSERT_EQ(RunCli({"--name", "Alice", placed, dir.path("own.csv")}).status, 0);
    // The family of the icon number tells the state: 200 not found, 300 placed by the user.
    EXPECT_EQ(Fields(CsvLines(ReadFile(dir.path("other.csv"))).back())[3].substr(0, 1), "2");
    EXPECT_EQ(Fields(CsvLines(ReadFile(dir.path("own.csv"))).back())[3].substr(0, 1), "3");
}

TEST_F(Conversion, EncodingComesFromTheOptionOrElseTheLocale) {
    std::string named =
        dir.Write("named.gpx",
                  "<gpx><wpt lat=\"1\" lon=\"2\"><name>GC3</name><groundspeak:cache xmlns:groundspeak=\"g\">"
                  "<groundspeak:name>M\u00fcller \u010d</groundspeak:name></groundspeak:cache></wpt></gpx>");
    struct Case {
        std::string locale;
        std::vector<std::string> options;
        std::string name;  // the cache name's bytes in the CSV file
    };
    const std::vector<Case> cases{
        {"C", {}, "M\xFCller c"},
        {"C", {"--encoding", "utf-8"}, "M\xC3\xBCller \xC4\x8D"},
        {"C", {"--encoding=windows-1250"}, "M\xFCller \xE8"},
        {"cs_CZ.UTF-8", {}, "M\xFCller \xE8"},
        {"cs_CZ.UTF-8", {"--encoding", "windows-1252"}, "M\xFCller c"},
        {"ru_RU.UTF-8", {}, "Muller c"},
    };
    int run = 0;
    for (const Case& c : cases) {
        CliRun cli;
        cli.locale = c.locale;
        cli.args = c.options;
        std::string csv = dir.path("named" + std::to_string(++run) + ".csv");
        cli.args.insert(cli.args.end(), {named, csv});
        ASSERT_EQ(RunCli(cli).status, 0) << "run " << run;
        std::string field = Fields(CsvLines(ReadFile(csv)).back())[4];
        EXPECT_EQ(field.substr(0, c.name.size() + 3), "\"" + c.name + " (") << "run " << run;
    }
}

TEST_F(Conversion, GpxThatDoesNotLoadEndsWithTwoAndTouchesNothing) {
    std::string csv = dir.Write("out.csv", "old");
    std::string damaged = dir.Write("damaged.gpx", "<gpx><wpt lat=\"1\" lon=\"2\">");
    for (const std::string& input : {dir.path("missing.gpx"), damaged}) {
        CliResult result = RunCli({"--force", input, csv});
        EXPECT_EQ(result.status, 2) << input;
        EXPECT_EQ(result.err, kLoadFailed);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(ReadFile(csv), "old");
    }
    EXPECT_EQ(RunCli({damaged}).status, 2);
    EXPECT_FALSE(fs::exists(dir.path("damaged.csv")));
}

TEST_F(Conversion, ExistingCsvWithoutATerminalEndsWithThreeAndIsKept) {
    std::string csv = dir.Write("out.csv", "old");
    CliResult result = RunCli({gpx, csv});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, csv + " exists and was not replaced; --force replaces it.\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadFile(csv), "old");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"oak.gpx", "out.csv"}));
}

TEST_F(Conversion, ForceReplacesAnExistingCsv) {
    std::string csv = dir.Write("out.csv", "old");
    CliResult result = RunCli({"--force", gpx, csv});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(CsvLines(ReadFile(csv)).back(), kOakLine);
}

TEST_F(Conversion, CsvThatCannotBeWrittenEndsWithFourAndLeavesNoFile) {
    fs::create_directory(dir.path("folder"));
    for (const std::string& csv : {dir.path("missing/out.csv"), dir.path("folder"), std::string("/dev/full")}) {
        CliResult result = RunCli({"--force", gpx, csv});
        EXPECT_EQ(result.status, 4) << csv;
        EXPECT_EQ(result.err, kWriteFailed) << csv;
        EXPECT_EQ(result.out, "") << csv;
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"folder", "oak.gpx"}));
    EXPECT_TRUE(fs::is_empty(dir.path("folder")));
}

TEST_F(Conversion, UsageErrorsEndWithOneAndAPointerToHelp) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string help = "Try 'corvane-cli --help'.\n";
    const std::vector<Case> cases{
        {{"--bogus", gpx}, "corvane-cli: unknown option '--bogus'\n" + help},
        {{}, "corvane-cli: no GPX file given\n" + help},
        {{"--encoding", "klingon", gpx}, "corvane-cli: unknown encoding 'klingon'\n" + help},
        {{"ab"}, "corvane-cli: cannot make a CSV file name from 'ab'; please give one\n" + help},
        {{"", dir.path("out.csv")}, "Please give me some file names to play with.\n" + help},
        {{gpx, ""}, "Please give me some file names to play with.\n" + help},
    };
    for (const Case& c : cases) {
        CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 1) << c.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"oak.gpx"});
}

}  // namespace
}  // namespace corvane::testing
