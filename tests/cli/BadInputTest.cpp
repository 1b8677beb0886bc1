// Hostile, broken and endless GPX input through corvane-cli: each converts or gives the load
// message, within the alarm's time and a few times the file's size in memory.
#include "Support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

namespace corvane::testing {
namespace {

std::string Repeat(const std::string& text, int times) {
    std::string out;
    while (times-- > 0) out += text;
    return out;
}

std::string Name(const std::string& text) {
    return "<gpx><wpt lat=\"1\" lon=\"2\"><groundspeak:name>" + text + "</groundspeak:name></wpt></gpx>";
}

struct BadInput {
    std::string name;
    // Makes the input when the row runs, so that the test's memory does not count in the child's peak
    std::function<std::string(TempDir&)> gpx;
    int status;         // 0 converted, 2 the load message, 4 the write message
    long memoryKb = 0;  // the run's address space is capped at this size
};

std::function<std::string(TempDir&)> File(std::function<std::string()> bytes) {
    return [bytes](TempDir& dir) { return dir.Write("in.gpx", bytes()); };
}

std::string Laughs() {
    std::string entities = "<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i)
        entities += "<!ENTITY l" + std::to_string(i) + " \"" + Repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">";
    return "<!DOCTYPE gpx [" + entities + "]>" + Name("&l9;");
}

TEST(BadInput, ConvertsOrGivesTheLoadMessageInBoundedTimeAndMemory) {
    const std::string pocketQuery = ReadFile(CORVANE_SOURCE_DIR "/samples/caches.gpx");
    const auto bigText = [] { return Name(std::string(50'000'000, 'x')); };
    std::vector<BadInput> inputs{
        {"empty", File([] { return ""; }), 2},
        {"one byte", File([] { return "<"; }), 2},
        {"random binary", File([] {
             std::mt19937 random(7);
             std::string bytes(1 << 16, '\0');
             for (char& c : bytes) c = static_cast<char>(random());
             return bytes;
         }),
         2},
        {"HTML error page", File([] { return "<html><body><h1>502 Bad Gateway</h1></body></html>"; }), 0},
        {"two top-level elements", File([] { return "<gpx/><gpx/>"; }), 2},
        {"10^6-deep nesting", File([] { return Repeat("<a>", 1'000'000) + Repeat("</a>", 1'000'000); }), 0},
        {"50 MB text node", File(bigText), 0},
        {"50 MB text node in 40 MB", File(bigText), 2, 40'000},
        {"50 MB text node in 250 MB", File(bigText), 4, 250'000},
        {"10^5 attributes on one wpt", File([] { return "<gpx><wpt " + Repeat("a=\"1\" ", 100'000) + "/></gpx>"; }), 0},
        {"billion laughs", File(Laughs), 0},
        {"invalid UTF-8", File([] { return Name("\xff\xfe\xc3("); }), 0},
        {"UTF-16 without byte order mark", File([] {
             std::string utf16;
             for (char c : "<?xml version=\"1.0\" encoding=\"utf-16\"?>" + Name("Oak")) utf16 += {c, '\0'};
             return utf16;
         }),
         0},
        {"NUL bytes", File([] { return Name(std::string("A\0B", 3)); }), 2},
        {"/dev/zero", [](TempDir&) { return "/dev/zero"; }, 2},
        {"FIFO without a writer",
         [](TempDir& dir) {
             mkfifo(dir.path("fifo").c_str(), 0600);
             return dir.path("fifo");
         },
         2},
        {"pipe, as from <(unzip -p ...)",
         [](TempDir&) {
             int ends[2];
             EXPECT_EQ(pipe(ends), 0);
             EXPECT_EQ(write(ends[1], kOakGpx.data(), kOakGpx.size()), static_cast<ssize_t>(kOakGpx.size()));
             close(ends[1]);
             return "/dev/fd/" + std::to_string(ends[0]);  // inherited by the child
         },
         0},
    };
    for (int tenth = 1; tenth < 10; ++tenth)
        inputs.push_back({"pocket query cut at " + std::to_string(tenth) + "/10",
                          File([=] { return pocketQuery.substr(0, pocketQuery.size() * tenth / 10); }), 2});
    for (const BadInput& input : inputs) {
#ifdef CORVANE_SANITIZE
        if (input.memoryKb > 0) continue;  // the sanitizers reserve more address space than any cap leaves
#endif
        TempDir dir;
        const std::string gpx = input.gpx(dir), csv = dir.Write("out.csv", "old"), peak = dir.path("peak");
        // time(1) starts the program from a small process, so the peak is the program's own.
        const std::string limit = input.memoryKb > 0 ? std::to_string(input.memoryKb) : "unlimited";
        const int run = std::system(("ulimit -v " + limit + "; /usr/bin/time -f %M -o " + peak + " timeout 60 " +
                                     CORVANE_CLI " --force --quiet " + gpx + " " + csv + " 2>/dev/null")
                                        .c_str());
        const int status = WIFEXITED(run) ? WEXITSTATUS(run) : -1;
        const std::string times = ReadFile(peak);  // "Command exited with non-zero status 2\n3172\n"
        const long peakKb = std::atol(times.c_str() + times.rfind('\n', times.size() - 2) + 1);
        struct stat info {};
        stat(gpx.c_str(), &info);
        std::printf("%-32s %9lld bytes  status %d  peak %6ld KB\n", input.name.c_str(),
                    static_cast<long long>(info.st_size), status, peakKb);
        EXPECT_EQ(status, input.status) << input.name;
        EXPECT_TRUE(status == 0 ? ReadFile(csv).starts_with("IC01 ,") : ReadFile(csv) == "old") << input.name;
#ifndef CORVANE_SANITIZE
        // Deep nesting is the worst case: every "<a></a>" of 7 bytes becomes a node of the tree.
        EXPECT_LT(peakKb, 16'000 + 12 * info.st_size / 1024) << input.name;
#endif
    }
}

}  // namespace
}  // namespace corvane::testing
