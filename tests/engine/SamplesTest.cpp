// Whole conversions: the bundled sample against its golden CSV files, and real GPX files.
#include "TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::FakeWindow;
using testing::Lines;
using testing::ReadFile;
using testing::TempDir;
using testing::WaypointLines;

const fs::path kSourceDir = CORVANE_SOURCE_DIR;
const fs::path kSharedSamples = CORVANE_SHARED_SAMPLES;

struct Options {
    const char* codePage;
    bool website;
    bool hints;
    bool byType = false;
};

struct Converted {
    RunResult result;
    std::string csv;
    std::vector<testing::ShownMessage> shown;
};

// Convert a GPX file into memory as the user "Corvid Kate" would, icons in "\MM Icons\"
Converted Convert(const fs::path& gpx, const Options& options) {
    FakeWindow window;
    window.gpx = gpx.string();
    window.mm = "memory.csv";  // never opened: the output goes to the sink
    window.cacher = "Corvid Kate";
    window.website = options.website;
    window.hint = options.hints ? 1 : 0;
    window.byType = options.byType;
    MemorySink sink;
    RunOptions run;
    run.codePage = options.codePage;
    run.output = &sink;
    CacheRecord record;
    Converted converted;
    converted.result = LoadDocument(window, record, run);
    converted.csv = sink.text();
    converted.shown = window.shown;
    return converted;
}

// Field n (from 1) of a WP04 line; only for the fields before the first quoted one
std::string Field(const std::string& line, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) start = line.find(',', start) + 1;
    return line.substr(start, line.find(',', start) - start);
}

int Icon(const std::string& line) {
    return std::stoi(Field(line, 4));
}

// Where each wpt element starts: "<wpt" followed by white space, "/" or ">"
std::vector<std::size_t> WaypointStarts(std::string_view xml) {
    std::vector<std::size_t> starts;
    for (std::size_t at = xml.find("<wpt"); at != std::string_view::npos; at = xml.find("<wpt", at + 1)) {
        const char next = at + 4 < xml.size() ? xml[at + 4] : '\0';
        if (next == ' ' || next == '\t' || next == '\r' || next == '\n' || next == '/' || next == '>')
            starts.push_back(at);
    }
    return starts;
}

// The markup of each waypoint, from its start tag up to the next waypoint's
std::vector<std::string_view> WaypointTexts(std::string_view xml) {
    const std::vector<std::size_t> starts = WaypointStarts(xml);
    std::vector<std::string_view> texts;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : xml.size();
        texts.push_back(xml.substr(starts[i], end - starts[i]));
    }
    return texts;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// True when the bytes hold a UTF-8 encoded character outside the BMP
bool HasFourByteSequence(std::string_view bytes) {
    const auto continuation = [](unsigned char c) { return c >= 0x80 && c <= 0xBF; };
    for (std::size_t i = 0; i + 3 < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead >= 0xF0 && lead <= 0xF4 && continuation(bytes[i + 1]) && continuation(bytes[i + 2]) &&
            continuation(bytes[i + 3]))
            return true;
    }
    return false;
}

// --- The bundled sample: one golden file per link and hint choice ----------------------

struct GoldenVariant {
    const char* file;
    Options options;
    const char* sample = "caches.gpx";
    std::size_t waypoints = 15;
};

constexpr GoldenVariant kGoldenVariants[] = {
    {"cachemate.csv", {"windows-1252", false, false}},
    {"cachemate-hints.csv", {"windows-1252", false, true}},
    {"website.csv", {"windows-1252", true, false}},
    {"website-hints.csv", {"windows-1252", true, true}},
    {"type-caches.csv", {"windows-1252", false, false, true}},
    {"type-child-waypoints.csv", {"windows-1252", false, false, true}, "child-waypoints.gpx", 8},
};

// Test names show the golden file rather than the bytes of the parameter.
void PrintTo(const GoldenVariant& variant, std::ostream* out) {
    *out << variant.file;
}

class SamplesGolden : public ::testing::TestWithParam<GoldenVariant> {};

TEST_P(SamplesGolden, SampleConvertsByteForByte) {
    const GoldenVariant& variant = GetParam();
    const std::string expected = ReadFile((kSourceDir / "tests" / "golden" / variant.file).string());
    ASSERT_FALSE(expected.empty()) << "golden file missing: " << variant.file;

    const Converted converted = Convert(kSourceDir / "samples" / variant.sample, variant.options);
    EXPECT_EQ(converted.result.outcome, RunOutcome::Written);
    EXPECT_EQ(converted.result.waypoints, variant.waypoints);

    // Line by line first, so that a difference names its line instead of printing two files.
    const std::vector<std::string> actual = Lines(converted.csv);
    const std::vector<std::string> wanted = Lines(expected);
    for (std::size_t i = 0; i < std::min(actual.size(), wanted.size()); ++i)
        EXPECT_EQ(actual[i], wanted[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), wanted.size());
    EXPECT_TRUE(converted.csv == expected) << "the bytes differ from " << variant.file;
}

INSTANTIATE_TEST_SUITE_P(Variants, SamplesGolden, ::testing::ValuesIn(kGoldenVariants),
                         [](const ::testing::TestParamInfo<GoldenVariant>& info) {
                             std::string name = fs::path(info.param.file).stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// --- Real files written by other tools ------------------------------------------------------

class SharedSamples : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(kSharedSamples)) GTEST_SKIP() << "no real GPX files at " << kSharedSamples;
    }

    static fs::path Path(const char* name) { return kSharedSamples / name; }

    // Every GPX file of the folder, sorted by name
    static std::vector<fs::path> GpxFiles() {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(kSharedSamples))
            if (entry.path().extension() == ".gpx") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        return files;
    }

    static bool IsDamaged(const fs::path& file) { return Contains(file.filename().string(), "MALFORMED"); }
};

constexpr Options kCacheMatePlain{"windows-1252", false, false};

TEST_F(SharedSamples, EveryFileGivesOneWholeLinePerWaypoint) {
    // Multi-line hints and the website links only reach the output in the second run.
    constexpr Options kRuns[] = {kCacheMatePlain, {"utf-8", true, true}};
    std::size_t checked = 0;
    for (const fs::path& file : GpxFiles()) {
        if (IsDamaged(file)) continue;
        const std::size_t waypoints = WaypointStarts(ReadFile(file.string())).size();
        for (const Options& run : kRuns) {
            SCOPED_TRACE(file.filename().string() + " as " + run.codePage + (run.hints ? " with hints" : ""));
            const Converted converted = Convert(file, run);
            ASSERT_EQ(converted.result.outcome, RunOutcome::Written);
            EXPECT_EQ(converted.result.waypoints, waypoints);
            ASSERT_EQ(converted.shown.size(), 1u);
            EXPECT_EQ(converted.shown[0].prompt, "Complete!");

            ASSERT_GE(converted.csv.size(), 2u);
            EXPECT_EQ(converted.csv.substr(converted.csv.size() - 2), "\r\n");
            const std::vector<std::string> lines = Lines(converted.csv);
            ASSERT_EQ(lines.size(), 80 + waypoints);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const std::string_view tag = i < 80 ? "IC01 , " : "WP04,";
                EXPECT_EQ(lines[i].substr(0, tag.size()), tag) << "line " << i + 1;
                EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
                // Names lose their double quotes, so only the two quoted fields bring any.
                if (i >= 80 && !run.hints && !run.website) {
                    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '"'), 4) << lines[i];
                }
            }
            if (std::string_view(run.codePage) == "windows-1252") {
                EXPECT_FALSE(HasFourByteSequence(converted.csv));
            }
        }
        ++checked;
    }
    EXPECT_GE(checked, 14u);
}

TEST_F(SharedSamples, DamagedFileDoesNotLoadAndWritesNothing) {
    const fs::path damaged = Path("geohelper-GC6V4PN-MALFORMED-damaged.gpx");

    const Converted converted = Convert(damaged, kCacheMatePlain);
    EXPECT_EQ(converted.result.outcome, RunOutcome::LoadFailed);
    EXPECT_EQ(converted.csv, "");
    ASSERT_EQ(converted.shown.size(), 1u);
    EXPECT_EQ(converted.shown[0].prompt, "I have a problem loading the GPX file, please check it or select another.");
    EXPECT_EQ(converted.shown[0].style, kStyleExclamation);
    EXPECT_EQ(converted.shown[0].title, "Convertion");

    // Through a real file: an existing CSV keeps its contents and no temporary file is left.
    TempDir dir;
    testing::WriteFile(dir.path("out.csv"), "previous run\r\n");
    FakeWindow window;
    window.gpx = damaged.string();
    window.mm = dir.path("out.csv");
    window.answers = {kAnswerYes};
    CacheRecord record;
    EXPECT_EQ(LoadDocument(window, record).outcome, RunOutcome::LoadFailed);
    EXPECT_EQ(ReadFile(dir.path("out.csv")), "previous run\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"});
    EXPECT_EQ(window.prompts().size(), 1u) << "no overwrite question for a file that did not load";
}

// Whole lines checked by hand against the rules, for the files that each show one thing.
struct ExpectedLine {
    const char* file;
    Options options;
    std::size_t waypoint;  // index among the WP04 lines
    std::string line;
    const char* shows;
};

const ExpectedLine kExpectedLines[] = {
    {"cachebox-GC2T9RW-travelbugs-found-parking.gpx", kCacheMatePlain, 0,
     R"L(WP04,49.349817,8.62925,1106,"der Hampir - T5 -  (2/5 TS)",GC2T9RW,"\cmate:GC2T9RW",0.0,1,GC2T9RW,1,1,Traditional,0)L",
     "a found cache with travel bugs; the name keeps its trailing space"},
    {"cachebox-GC2T9RW-travelbugs-found-parking.gpx", kCacheMatePlain, 1,
     R"L(WP04,49.351283,8.630667,206," (/ )",PK2T9RW,"\cmate:PK2T9RW",0.0,1,PK2T9RW,1,1,,0)L",
     "the parking waypoint inherits nothing from the cache before it"},
    {"geohelper-GC5N23T-bom-greek-cdata.gpx", kCacheMatePlain, 0,
     R"L(WP04,49.80761666666667,9.912116666666666,204,"67 - MedTrix - ????? (3/4 UI)",GC5N23T,"\cmate:GC5N23T",0.0,1,GC5N23T,1,1,Micro,0)L",
     "after a byte order mark; Greek letters that windows-1252 lacks become ?"},
    {"geohelper-GC5N23T-bom-greek-cdata.gpx",
     {"utf-8", false, false},
     0,
     R"L(WP04,49.80761666666667,9.912116666666666,204,"67 - MedTrix - ἒρνος (3/4 UI)",GC5N23T,"\cmate:GC5N23T",0.0,1,GC5N23T,1,1,Micro,0)L",
     "in UTF-8 the Greek name is unchanged"},
    {"gcfixer-pq-kosice-emoji.gpx", kCacheMatePlain, 0,
     R"L(WP04,48.722217,21.25555,206,"0101 ? 2020 (4/4 US)",GC8HDCZ,"\cmate:GC8HDCZ",0.0,1,GC8HDCZ,1,1,Unknown,0)L",
     "a double vertical line has no windows-1252 character"},
    {"gcfixer-pq-kosice-emoji.gpx", kCacheMatePlain, 1,
     "WP04,48.722817,21.256783,208,\"Immaculata  (Nepo\x9Akvrnen\xE1) (1/1 VV)\",GC891J7,\"\\cmate:GC891J7\",0.0,1,"
     "GC891J7,1,1,Virtual,0",
     "Slovak letters that windows-1252 has; the double blank stays"},
    {"gcfixer-pq-kosice-emoji.gpx",
     {"utf-8", false, false},
     0,
     R"L(WP04,48.722217,21.25555,206,"0101 ‖ 2020 (4/4 US)",GC8HDCZ,"\cmate:GC8HDCZ",0.0,1,GC8HDCZ,1,1,Unknown,0)L",
     "in UTF-8 the double vertical line is unchanged"},
    {"cachebox-gsak-gpx11-extensions-found.gpx", kCacheMatePlain, 0,
     R"L(WP04,52.579333,13.40545,104,"Schlossblick # 2/ View at the castle  #2 (2/2 UI)",GC1XCEW,"\cmate:GC1XCEW",0.0,1,GC1XCEW,1,1,Micro,0)L",
     "GPX 1.1 with the cache details inside extensions still gets type, container and state"},
    {"geohelper-GC7FB56-crlf-groundspeak.gpx",
     {"windows-1252", true, true},
     0,
     R"L(WP04,49.80985,9.9648,204,"Ententeich (1/1.5 TI)","GC7FB56 (Hint): magnetisch","https://www.geocaching.com/seek/cache_details.aspx?guid=50e69a74-3a85-46b7-a99b-f8c43efc3a61",0.0,1,GC7FB56,1,1,Micro,0)L",
     "CR LF line ends in the file leave no CR in the values"},
    {"gpsbabel-GCGCA8-archived-unknown.gpx",
     {"windows-1252", false, true},
     0,
     R"L(WP04,35.921667,-86.861667,206,"Oozy rat in a sanitary zoo (3/2 UO)","GCGCA8 (Hint): ","\cmate:GCGCA8",0.0,1,GCGCA8,1,1,Unknown,0)L",
     "a hint of nothing but a line break and blanks is no hint; Not chosen is container O"},
    {"gpsbabel-GC7FA4-locationless-gs10.gpx", kCacheMatePlain, 0,
     "WP04,46.1333333333333,-73,208,\"Points g\xE9od\xE9siques du Qu\xE9"
     "bec (1/1 XV)\",GC7FA4,\"\\cmate:GC7FA4\","
     "0.0,1,GC7FA4,1,1,Errrr,0",
     "a type without a row of its own; the longitude is written as the file has it"},
    {"geohelper-GC33QGC-southwest-coords.gpx", kCacheMatePlain, 0,
     R"L(WP04,-43.695433,-66.4515,206,"Tesoro Ameghino (2/3 TS)",GC33QGC,"\cmate:GC33QGC",0.0,1,GC33QGC,1,1,Traditional,0)L",
     "negative latitude and longitude"},
};

TEST_F(SharedSamples, LinesAPersonWouldCheck) {
    for (const ExpectedLine& expected : kExpectedLines) {
        SCOPED_TRACE(std::string(expected.file) + ": " + expected.shows);
        const std::vector<std::string> lines = WaypointLines(Convert(Path(expected.file), expected.options).csv);
        ASSERT_LT(expected.waypoint, lines.size());
        EXPECT_EQ(lines[expected.waypoint], expected.line);
    }
}

TEST_F(SharedSamples, PocketQueryIconsFollowStateAndTravelBugs) {
    const fs::path file = Path("cachebox-pq-6004539-HomeZone.gpx");
    const std::string xml = ReadFile(file.string());
    const std::vector<std::string_view> caches = WaypointTexts(xml);
    const std::vector<std::string> lines = WaypointLines(Convert(file, kCacheMatePlain).csv);
    ASSERT_EQ(caches.size(), 500u);
    ASSERT_EQ(lines.size(), 500u);

    std::size_t found = 0, withBugs = 0, bugIcons = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool isFound = Contains(caches[i], "<sym>Geocache Found</sym>");
        const bool hasBug =
            Contains(caches[i], "<groundspeak:travelbug ") || Contains(caches[i], "<groundspeak:travelbug>");
        // Family: 1xx found, 2xx not found; a travel bug adds 1000.
        const int family = (isFound ? 1 : 2) + (hasBug ? 10 : 0);
        EXPECT_EQ(Icon(lines[i]) / 100, family) << lines[i];
        found += isFound;
        withBugs += hasBug;
        bugIcons += Icon(lines[i]) >= 1000;
    }
    EXPECT_EQ(found, 42u);
    EXPECT_GT(withBugs, 0u);
    EXPECT_EQ(bugIcons, withBugs);
}

TEST_F(SharedSamples, ChildWaypointsGetTheDefaultIconAndNoType) {
    const std::vector<std::string> lines =
        WaypointLines(Convert(Path("cachebox-pq-6004539-HomeZone-wpts.gpx"), kCacheMatePlain).csv);
    ASSERT_EQ(lines.size(), 183u);
    for (const std::string& line : lines) {
        EXPECT_EQ(Icon(line), 206) << line;
        EXPECT_TRUE(Contains(line, R"L(," (/ )",)L")) << line;
        EXPECT_TRUE(line.ends_with(",1,1,,0")) << line;
    }
}

}  // namespace
}  // namespace corvane
