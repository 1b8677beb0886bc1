// The progress line corvane-cli shows on a terminal during a long conversion.
#include "ProgressLine.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

using namespace std::chrono_literals;

// On a clock of the test's own: nothing before the delay, then at most one line every 200 ms.
TEST(ProgressLine, AppearsAfterTheDelayAtMostEvery200MsAndLeavesNothingBehind) {
    std::FILE* out = std::tmpfile();
    auto now = cli::ProgressLine::Clock::time_point() + 1h;
    cli::ProgressLine line(out, 1s, [&] { return now; });
    line.Show("too early");
    now += 1s;
    line.Show(cli::ProgressText(3 << 19, 0));
    now += 199ms;
    line.Show("too soon after the last");
    now += 1ms;
    line.Show(cli::ProgressText(9, 42));
    line.Clear();
    std::rewind(out);
    char text[100] = {};
    std::fread(text, 1, sizeof text - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(text),
              "\rcorvane-cli: 1.5 MB read\rcorvane-cli: 42 waypoints written\r" + std::string(33, ' ') + "\r");
}

}  // namespace
}  // namespace corvane::testing
