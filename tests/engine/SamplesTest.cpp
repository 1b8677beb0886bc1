// Whole conversions: the bundled sample against its golden CSV files, and the real GPX files.
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::Lines;

// The CSV text of a GPX file converted as the user "Corvid Kate" would, icons in "\MM Icons\"
std::string ConvertFile(const fs::path& gpx, const char* codePage, bool website, bool hints, bool byType = false) {
    RunSettings settings = testing::TestSettings();
    settings.userName = "Corvid Kate";
    settings.linkToWebsite = website;
    settings.includeHints = hints;
    settings.kindsByType = byType;
    return testing::Convert(testing::ReadFile(gpx.string()), settings, codePage);
}

TEST(Samples, SampleConvertsToEachGoldenFileByteForByte) {
    const fs::path source = CORVANE_SOURCE_DIR;
    for (const auto& [file, sample, website, hints, byType] :
         {std::tuple{"cachemate.csv", "caches.gpx", false, false, false},
          {"cachemate-hints.csv", "caches.gpx", false, true, false},
          {"website.csv", "caches.gpx", true, false, false},
          {"website-hints.csv", "caches.gpx", true, true, false},
          {"type-caches.csv", "caches.gpx", false, false, true},
          {"type-child-waypoints.csv", "child-waypoints.gpx", false, false, true},
          {"type-states.csv", "states.gpx", false, false, true}}) {
        const std::string golden = testing::ReadFile((source / "tests" / "golden" / file).string());
        const std::string csv = ConvertFile(source / "samples" / sample, "windows-1252", website, hints, byType);
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
};

TEST(Samples, EveryRealFileGivesOneWholeLinePerWaypoint) {
    const fs::path folder = CORVANE_SHARED_SAMPLES;
    if (!fs::is_directory(folder)) GTEST_SKIP() << "no real GPX files at " << folder;
    for (const fs::path& file : fs::directory_iterator(folder)) {
        if (file.extension() != ".gpx") continue;
        const std::string xml = testing::ReadFile(file.string());
        std::size_t waypoints = 0;
        for (std::size_t at = 0; (at = xml.find("<wpt ", at)) != std::string::npos; ++at) ++waypoints;
        for (const bool plain : {true, false}) {
            SCOPED_TRACE(file.filename().string() + (plain ? "" : " in UTF-8 with links and hints"));
            const auto lines = Lines(ConvertFile(file, plain ? "windows-1252" : "utf-8", !plain, !plain));
            // The damaged file does not load, so nothing is written.
            ASSERT_EQ(lines.size(), file.string().find("MALFORMED") == std::string::npos ? 80 + waypoints : 0);
            for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
            for (const auto& [name, waypoint, line] : kExpectedLines)
                EXPECT_TRUE(!plain || file.filename() != name || lines.at(80 + waypoint) == line) << line;
        }
    }
}

}  // namespace
}  // namespace corvane
