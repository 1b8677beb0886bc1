// What corvane-cli adds for long and for several inputs: the progress line, and one CSV from many files.
#include "CliProcess.h"
#include "OakCache.h"
#include "ProgressLine.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(ProgressLine, AppearsAfterTheDelayAndLeavesNothingBehind) {
    std::FILE* out = std::tmpfile();
    cli::ProgressLine notYet(out, std::chrono::hours(1));
    notYet.Show("never");
    notYet.Clear();
    cli::ProgressLine line(out, {});
    line.Show(cli::ProgressText(3 << 19, 0));
    line.Show("too soon after the last");
    line.Clear();
    std::rewind(out);
    char text[100] = {};
    std::fread(text, 1, sizeof text - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(text), "\rcorvane-cli: 1.5 MB read\r" + std::string(24, ' ') + "\r");
    EXPECT_EQ(cli::ProgressText(9, 42), "42 waypoints written");
}

TEST(SeveralFiles, OneIconTableThenEachFileInTurn) {
    TempDir dir;
    const std::string gpx = dir.Write("oak.gpx", std::string(kOakGpx));
    const CliResult result = RunCli({"-o", dir.path("all.csv"), gpx, gpx});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Complete!\n2 waypoints written to " + dir.path("all.csv") + "\n");
    const std::vector<std::string> lines = CsvLines(ReadFile(dir.path("all.csv")));
    ASSERT_EQ(lines.size(), 82u);
    EXPECT_EQ(lines[80], kOakLine);
    EXPECT_EQ(lines[81], kOakLine);
}

}  // namespace
}  // namespace corvane::testing
