// corvane-cli against hostile input: every bad input converts or gives the load message within a
// minute and a few times its size in memory.
#include "Support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace corvane::testing {
namespace {

std::string Repeat(const std::string& text, int times) {
    std::string out;
    while (times-- > 0) out += text;
    return out;
}

std::string Named(const std::string& text) {
    return "<gpx><wpt lat=\"1\" lon=\"2\"><groundspeak:name>" + text + "</groundspeak:name></wpt></gpx>";
}

// Run corvane-cli --force --quiet through the shell with a prefix, for a minute at most; its exit status
int ExitStatusInShell(const std::string& prefix, const std::string& gpx, const std::string& csv) {
    const int s = std::system(
        (prefix + " timeout -k 5 60 " CORVANE_CLI " --force --quiet " + gpx + " " + csv + " 2>/dev/null").c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

bool HasTemporaryFile(const TempDir& dir) {
    return std::ranges::any_of(dir.entries(),
                               [](const std::string& name) { return name.find(".corvane-") != std::string::npos; });
}

TEST(Hardening, BadInputConvertsOrGivesTheLoadMessageInBoundedTimeAndMemory) {
    TempDir fixed;
    std::string binary(1 << 16, '\0'), utf16, laughs = "<!ENTITY l0 \"lol\">";
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 2654435761u >> 11);
    for (char c : "<?xml version=\"1.0\" encoding=\"utf-16\"?>" + Named("Oak")) utf16 += {c, '\0'};
    for (int i = 1; i <= 9; ++i)
        laughs += "<!ENTITY l" + std::to_string(i) + " \"" + Repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">";
    mkfifo(fixed.path("fifo").c_str(), 0600);
    const std::string big = Named(std::string(50'000'000, 'x')),
                      query = ReadFile(CORVANE_SOURCE_DIR "/samples/caches.gpx");
    struct Row {
        std::string name, bytes;  // a name that begins with a path names the file to read instead
        int status;               // 0 converted, 2 the load message, 4 the write message
        long memoryKb = 0;        // the cap on the run's address space
    };
    std::vector<Row> rows{
        {"empty", "", 2},
        {"one byte", "<", 2},
        {"random binary", binary, 2},
        {"HTML error page", "<html><body><h1>502 Bad Gateway</h1></body></html>", 0},
        {"two top-level elements", "<gpx/><gpx/>", 2},
        {"10^6-deep nesting", Repeat("<a>", 1'000'000) + Repeat("</a>", 1'000'000), 0},
        {"50 MB text node", big, 0},
        {"50 MB text node in 40 MB", big, 2, 40'000},
        {"50 MB text node in 250 MB", big, 4, 250'000},
        {"10^5 attributes on one wpt", "<gpx><wpt " + Repeat("a=\"1\" ", 100'000) + "/></gpx>", 0},
        {"billion laughs", "<!DOCTYPE gpx [" + laughs + "]>" + Named("&l9;"), 0},
        {"invalid UTF-8", Named("\xff\xfe\xc3("), 0},
        {"UTF-16 without byte order mark", utf16, 0},
        {"NUL bytes", Named(std::string("A\0B", 3)), 2},
        {"/dev/zero", "", 2},
        {fixed.path("fifo") + ", without a writer", "", 2},
        {"/dev/stdin, a pipe as from <(unzip -p ...)", std::string(kOakGpx), 0},
    };
    for (int t = 1; t < 10; ++t)
        rows.push_back({"pocket query cut at " + std::to_string(t) + "/10", query.substr(0, query.size() * t / 10), 2});
    for (const Row& row : rows) {
        // The sanitizers reserve more address space than any cap leaves, and use memory of their own.
        if (CORVANE_SANITIZE && row.memoryKb > 0) continue;
        TempDir dir;
        const std::string in = dir.Write("in.gpx", row.bytes), csv = dir.Write("out.csv", "old");
        // time(1) starts the program from a small process, so the peak is the program's own.
        const std::string limit = row.memoryKb > 0 ? std::to_string(row.memoryKb) : "unlimited";
        const int status =
            ExitStatusInShell("ulimit -v " + limit + "; cat " + in + " | /usr/bin/time -f %M -o " + csv + ".kb",
                              row.name.starts_with('/') ? row.name.substr(0, row.name.find(',')) : in, csv);
        const std::string times = ReadFile(csv + ".kb");  // "Command exited with non-zero status 2\n3172\n"
        const long kb = std::atol(times.substr(times.rfind('\n', times.size() - 2) + 1).c_str());
        std::printf("%-32.32s %9zu bytes status %d peak %6ld KB\n", row.name.c_str(), row.bytes.size(), status, kb);
        EXPECT_EQ(status, row.status) << row.name;
        EXPECT_TRUE(status == 0 ? ReadFile(csv).starts_with("IC01 ,") : ReadFile(csv) == "old") << row.name;
        EXPECT_FALSE(HasTemporaryFile(dir)) << row.name;
        // Deep nesting is the worst case: every "<a></a>" of 7 bytes becomes a node of the tree.
        EXPECT_TRUE(CORVANE_SANITIZE || kb < 16'000 + 12 * static_cast<long>(row.bytes.size() / 1024)) << row.name;
    }
}

}  // namespace
}  // namespace corvane::testing
