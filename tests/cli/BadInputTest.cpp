// Hostile and broken GPX input through corvane-cli: each converts or gives the load message,
// within a time limit and a few times the file's size in memory.
#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace corvane::testing {
namespace {

std::string Repeat(const std::string& text, std::size_t times) {
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += text;
    return out;
}

std::string OneWaypoint(const std::string& inside) {
    return "<gpx><wpt lat=\"1\" lon=\"2\"><name>GC1</name>" + inside + "</wpt></gpx>";
}

struct BadInput {
    std::string name;
    // Made when the row runs, so that the test's own memory does not count in the child's peak.
    std::function<std::string()> bytes;
    int status;         // 0 converted, 2 the load message, 4 the write message
    long memoryKb = 0;  // the run's address space is capped at this size
};

// A row whose bytes are already made.
std::function<std::string()> Bytes(std::string bytes) {
    return [bytes] { return bytes; };
}

std::vector<BadInput> BadInputs() {
    const auto binary = [] {
        std::mt19937 random(7);
        std::string bytes(1 << 16, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        return bytes;
    };
    const std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY l0 \"lol\">" + [] {
        std::string entities;
        for (int i = 1; i <= 9; ++i)
            entities += "<!ENTITY l" + std::to_string(i) + " \"" + Repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">";
        return entities;
    }() + "]>" + OneWaypoint("<groundspeak:name>&l9;</groundspeak:name>");
    std::string utf16;
    for (char c : std::string("<?xml version=\"1.0\" encoding=\"utf-16\"?>") + OneWaypoint("")) {
        utf16 += c;
        utf16 += '\0';
    }
    const auto bigText = [] {
        return OneWaypoint("<groundspeak:name>" + std::string(50'000'000, 'x') + "</groundspeak:name>");
    };

    std::vector<BadInput> inputs{
        {"empty", Bytes(""), 2},
        {"one byte", Bytes("<"), 2},
        {"random binary", binary, 2},
        {"HTML error page", Bytes("<!DOCTYPE html><html><body><h1>502 Bad Gateway</h1></body></html>"), 0},
        {"two top-level elements", Bytes("<gpx/><gpx/>"), 2},
        {"10^6-deep nesting", [] { return Repeat("<a>", 1'000'000) + Repeat("</a>", 1'000'000); }, 0},
        {"50 MB text node", bigText, 0},
        {"50 MB text node, 250 MB of memory", bigText, 4, 250'000},
        {"10^5 attributes on one wpt",
         [] {
             std::string attributes;
             for (int i = 0; i < 100'000; ++i) attributes += "a" + std::to_string(i) + "=\"1\" ";
             return "<gpx><wpt " + attributes + "/></gpx>";
         },
         0},
        {"billion laughs", Bytes(laughs), 0},
        {"invalid UTF-8", Bytes(OneWaypoint("<groundspeak:name>\xff\xfe\xc3(</groundspeak:name>")), 0},
        {"UTF-16 without byte order mark", Bytes(utf16), 0},
        {"NUL bytes", Bytes(OneWaypoint(std::string("<groundspeak:name>A\0B</groundspeak:name>", 41))), 2},
    };
    const std::string pocketQuery = ReadFile(CORVANE_SOURCE_DIR "/samples/caches.gpx");
    for (int tenth = 1; tenth < 10; ++tenth)
        inputs.push_back({"pocket query cut at " + std::to_string(tenth) + "/10",
                          Bytes(pocketQuery.substr(0, pocketQuery.size() * tenth / 10)), 2});
    return inputs;
}

TEST(BadInput, ConvertsOrGivesTheLoadMessageInBoundedTimeAndMemory) {
    TempDir dir;
    const std::string csv = dir.path("out.csv");
    for (const BadInput& input : BadInputs()) {
#ifdef CORVANE_SANITIZE
        // The sanitizers reserve far more address space than any cap leaves.
        if (input.memoryKb > 0) continue;
#endif
        std::size_t size = 0;
        const std::string gpx = [&] {
            const std::string bytes = input.bytes();
            size = bytes.size();
            return dir.Write("in.gpx", bytes);
        }();
        WriteFile(csv, "old");
        CliRun run;
        run.args = {"--force", "--quiet", gpx, csv};
        run.memoryKb = input.memoryKb;
        const CliResult result = RunCli(run);
        std::printf("%-36s %10zu bytes  status %d  peak %7ld KB\n", input.name.c_str(), size,
                    result.status, result.peakKb);
        EXPECT_EQ(result.status, input.status) << input.name << ": " << result.err;
        if (result.status != 0) {
            EXPECT_EQ(ReadFile(csv), "old") << input.name;
        }
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in.gpx", "out.csv"})) << input.name;
#ifndef CORVANE_SANITIZE
        // Deep nesting is the worst case: every "<a></a>" of 7 bytes becomes a node of the tree.
        EXPECT_LT(result.peakKb, 16'000 + 12 * static_cast<long>(size / 1024)) << input.name;
#endif
    }
}

}  // namespace
}  // namespace corvane::testing
