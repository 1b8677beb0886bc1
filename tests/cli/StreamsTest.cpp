// corvane-cli on its standard streams: "-" for input and output, where the report goes,
// --help, --version, and the question on a terminal.
#include "CliProcess.h"
#include "OakCache.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::testing {
namespace {

class Streams : public ::testing::Test {
protected:
    TempDir dir;
    std::string gpx = dir.Write("oak.gpx", std::string(kOakGpx));
};

TEST_F(Streams, StandardStreamsCarryTheSameBytesAsFiles) {
    ASSERT_EQ(RunCli({gpx, dir.path("file.csv")}).status, 0);
    const std::string expected = ReadFile(dir.path("file.csv"));
    ASSERT_EQ(CsvLines(expected).back(), kOakLine);

    const std::vector<std::vector<std::string>> argLists{{"-", "-"}, {"-"}, {gpx, "-"}};
    for (const auto& args : argLists) {
        CliRun run;
        run.args = args;
        run.input = kOakGpx;
        CliResult result = RunCli(run);
        EXPECT_EQ(result.status, 0) << args[0];
        EXPECT_EQ(result.out, expected) << args[0];
        // The report stays out of the CSV text.
        EXPECT_EQ(result.err, "Complete!\n1 waypoint written to standard output\n") << args[0];
    }
}

TEST_F(Streams, StandardOutputThatCannotBeWrittenEndsWithFour) {
    CliRun run;
    run.args = {gpx, "-"};
    run.stdoutPath = "/dev/full";
    CliResult result = RunCli(run);
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.err, "I have a problem writing the CSV file, please check it or select another.\n");
}

TEST_F(Streams, HelpAndVersion) {
    CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_TRUE(help.out.starts_with("Usage: corvane-cli [options] GPX [CSV]\n")) << help.out;
    for (const char* option : {"--icons DIR", "--name NAME", "--hints", "--link KIND", "--encoding NAME", "--force",
                               "--quiet", "--help", "--version", "windows-1252", "4 the CSV file could not"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }

    CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("corvane-cli ") + CORVANE_VERSION + "\n");
    EXPECT_EQ(version.err, "");
}

TEST_F(Streams, OnATerminalTheUserDecides) {
    if (!TerminalAvailable()) GTEST_SKIP() << "no pseudo-terminals here";
    const std::string prompt = "Overwrite the existing file? [y/N] ";
    const std::string endOfInput = "\x04";  // Ctrl-D: at the start of a line the reader sees the end
    struct Case {
        std::string typed;
        int status;
        bool force = false;
    };
    // clang-format off
    const std::vector<Case> cases{
        {"y\n", 0},
        {"YeS\n", 0},
        {" y \n", 0},
        {"y" + endOfInput + endOfInput, 0},  // an answer without a line end
        {"n\n", 3},
        {"\n", 3},
        {"yess\n", 3},
        {"n\ny\n", 3},                       // only the first line answers
        {endOfInput, 3},
        {"n\n", 0, true},                    // --force does not ask
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string csv = dir.Write("out.csv", "old");
        CliRun run;
        run.args = c.force ? std::vector<std::string>{"--force", gpx, csv} : std::vector<std::string>{gpx, csv};
        run.input = c.typed;
        run.terminal = true;
        CliResult result = RunCli(run);
        EXPECT_EQ(result.status, c.status) << c.typed;
        EXPECT_EQ(result.err.find(prompt) != std::string::npos, !c.force) << result.err;
        // End of input leaves the cursor after the question, so the console ends that line.
        if (c.typed == endOfInput) {
            EXPECT_EQ(result.err, prompt + "\r\n");
        }
        if (c.status == 0) {
            EXPECT_EQ(result.out, "Complete!\n1 waypoint written to " + csv + "\n");
            EXPECT_EQ(CsvLines(ReadFile(csv)).back(), kOakLine);
        } else {
            // The run still ends with "Complete!" after a No; the console must not claim it.
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(ReadFile(csv), "old");
        }
    }
}

}  // namespace
}  // namespace corvane::testing
