// Whole conversions: the bundled sample against its golden CSV files, and the real GPX files.
#include "CacheRecord.h"
#include "LoadDocument.h"
#include "Sink.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::Lines;

struct Options {
    const char* codePage;
    bool website;
    bool hints;
};

// Convert a file into memory as the user "Corvid Kate" would, icons in "\MM Icons\"
std::pair<RunResult, std::string> ConvertFile(const fs::path& gpx, const Options& options) {
    testing::FakeWindow window;
    window.gpx = gpx.string();
    window.mm = "memory.csv";  // never opened: the output goes to the sink
    window.cacher = "Corvid Kate";
    window.website = options.website;
    window.hint = options.hints ? 1 : 0;
    MemorySink sink;
    CacheRecord record;
    const RunResult result = LoadDocument(window, record, RunOptions{options.codePage, nullptr, &sink});
    return {result, sink.text()};
}

TEST(Samples, SampleConvertsToEachGoldenFileByteForByte) {
    const std::pair<const char*, Options> variants[] = {{"cachemate.csv", {"windows-1252", false, false}},
                                                        {"cachemate-hints.csv", {"windows-1252", false, true}},
                                                        {"website.csv", {"windows-1252", true, false}},
                                                        {"website-hints.csv", {"windows-1252", true, true}}};
    const fs::path source = CORVANE_SOURCE_DIR;
    for (const auto& [file, options] : variants) {
        const std::string golden = testing::ReadFile((source / "tests" / "golden" / file).string());
        const auto [result, csv] = ConvertFile(source / "samples" / "caches.gpx", options);
        EXPECT_EQ(result.waypoints, 15u) << file;
        EXPECT_EQ(Lines(csv), Lines(golden)) << file;
        EXPECT_TRUE(!golden.empty() && csv == golden) << "the bytes differ from " << file;
    }
}

// Lines checked by hand against the rules, in files that each show one thing.
const struct {
    const char* file;
    std::size_t waypoint;
    std::string line;
} kExpectedLines[] = {
    {"cachebox-GC2T9RW-travelbugs-found-parking.gpx", 1,
     R"L(WP04,49.351283,8.630667,206," (/ )",PK2T9RW,"\cmate:PK2T9RW",0.0,1,PK2T9RW,1,1,,0)L"},
    {"geohelper-GC5N23T-bom-greek-cdata.gpx", 0,
     R"L(WP04,49.80761666666667,9.912116666666666,204,"67 - MedTrix - ????? (3/4 UI)",GC5N23T,"\cmate:GC5N23T",0.0,1,GC5N23T,1,1,Micro,0)L"},
    {"cachebox-gsak-gpx11-extensions-found.gpx", 0,
     R"L(WP04,52.579333,13.40545,104,"Schlossblick # 2/ View at the castle  #2 (2/2 UI)",GC1XCEW,"\cmate:GC1XCEW",0.0,1,GC1XCEW,1,1,Micro,0)L"},
};

TEST(Samples, EveryRealFileGivesOneWholeLinePerWaypoint) {
    const fs::path folder = CORVANE_SHARED_SAMPLES;
    if (!fs::is_directory(folder)) GTEST_SKIP() << "no real GPX files at " << folder;
    for (const fs::path& file : fs::directory_iterator(folder)) {
        if (file.extension() != ".gpx") continue;
        const std::string xml = testing::ReadFile(file.string());
        std::size_t waypoints = 0;
        for (std::size_t at = 0; (at = xml.find("<wpt ", at)) != std::string::npos; ++at) ++waypoints;
        for (const Options& options : {Options{"windows-1252", false, false}, Options{"utf-8", true, true}}) {
            SCOPED_TRACE(file.filename().string() + " as " + options.codePage);
            const auto [result, csv] = ConvertFile(file, options);
            if (file.string().find("MALFORMED") != std::string::npos) {
                EXPECT_EQ(result.outcome, RunOutcome::LoadFailed);
                EXPECT_EQ(csv, "");
                continue;
            }
            EXPECT_EQ(result.waypoints, waypoints);
            const auto lines = Lines(csv);
            ASSERT_EQ(lines.size(), 80 + waypoints);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_TRUE(lines[i].starts_with(i < 80 ? "IC01 , " : "WP04,")) << lines[i];
                EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << lines[i];
            }
            for (const auto& expected : kExpectedLines)
                if (file.filename() == expected.file && !options.website) {
                    EXPECT_EQ(lines.at(80 + expected.waypoint), expected.line);
                }
        }
    }
}

}  // namespace
}  // namespace corvane
