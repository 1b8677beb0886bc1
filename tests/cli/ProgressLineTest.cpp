// The progress line corvane-cli shows on a terminal during a long conversion.
#include "ProgressLine.h"

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

}  // namespace
}  // namespace corvane::testing
