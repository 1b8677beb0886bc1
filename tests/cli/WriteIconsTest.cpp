// corvane-cli --write-icons: what it prints and its exit status for each way writing the icons ends.
#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(WriteIcons, EachExitStatusWithWhatItPrints) {
    TempDir dir;
    const std::string folder = dir.path("icons");
    CliResult first = RunCli({"--write-icons", folder});
    EXPECT_EQ(first.status, 0);
    // One line per file in table order, then the count.
    EXPECT_EQ(first.out.rfind(folder + "/EventF.bmp\n" + folder + "/LetterboxF.bmp\n", 0), 0u) << first.out;
    EXPECT_TRUE(first.out.ends_with("/wptTrailhead.bmp\n86 icons written to " + folder + ", 0 already there\n"));

    WriteFile(folder + "/parking.bmp", "mine");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    } cases[] = {
        {{"--write-icons", folder},
         3,
         "",
         "corvane-cli: " + folder +
             "/parking.bmp differs\ncorvane-cli: nothing written; --force replaces the 1 different file\n"},
        {{"--write-icons", folder, "--force"},
         0,
         folder + "/parking.bmp\n1 icon written to " + folder + ", 85 already there\n",
         ""},
        {{"--quiet", "--write-icons", folder}, 0, "", ""},
        {{"--write-icons", folder + "/parking.bmp/x"},
         4,
         "",
         "corvane-cli: cannot create the folder " + folder + "/parking.bmp/x: Not a directory\n"},
    };
    for (const auto& c : cases) {
        CliResult result = RunCli(c.args);
        EXPECT_EQ(result.status, c.status) << c.args.back();
        EXPECT_EQ(result.out, c.out) << c.args.back();
        EXPECT_EQ(result.err, c.err) << c.args.back();
    }
}

}  // namespace
}  // namespace corvane::testing
