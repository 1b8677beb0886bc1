// Icons by cache type: the type table in its families and states, the child waypoints, the
// names, and the waypoints that have no place.
#include "Support.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The one waypoint of gpx converted with icons by cache type for the user "Corvid Kate"; ""
// when it was left out
std::string LineByType(const std::string& wpt, bool byType = true) {
    RunSettings settings = testing::TestSettings();
    settings.kindsByType = byType;
    settings.userName = "Corvid Kate";
    const std::vector<std::string> lines = testing::Lines(testing::Convert("<gpx>" + wpt + "</gpx>", settings));
    return lines.back().starts_with("WP04") ? lines.back() : "";
}

struct CacheRow {
    const char* type;
    const char* container;
    const char* sym;    // "Geocache Found", "Geocache", or none
    const char* state;  // attributes of groundspeak:cache
    const char* more;   // placed by, travel bug
    int icon;
    const char* category;
};

constexpr const char* kOwn = "<groundspeak:placed_by>Corvid Kate</groundspeak:placed_by>";
constexpr const char* kBug = "<groundspeak:travelbugs><groundspeak:travelbug/></groundspeak:travelbugs>";

// clang-format off
const CacheRow kCacheRows[] = {
    {"Traditional Cache", "Micro", "Geocache", "", kBug, 1204, "Micro"},
    {"multi-cache", "Small", "Geocache", "", "", 205, "Multi"},
    {"Mystery Cache", "Small", "Geocache", "", kOwn, 307, "Unknown"},
    {"Giga-Event Cache", "Other", "Geocache", "", "", 201, "Event"},
    {"CITO", "Other", "Geocache Found", "", "", 121, "Cito"},
    {"Benchmark", "Other", "Geocache", "", kOwn, 306, "Trigpoint"},  // no own Trigpoint icon
    {"Locationless (Reverse) Cache", "Virtual", "Geocache", "", "", 208, "Virtual"},
    {"Other", "Regular", "Geocache", "", "", 206, "Errrr"},  // the container decides
    // Archived or disabled: grey, unless found or placed by the user.
    {"Traditional Cache", "Regular", "", R"( archived="true")", "", 406, "Traditional"},
};
// clang-format on

TEST(KindsByType, TypeTextAndStateChooseTheIcon) {
    for (const CacheRow& row : kCacheRows) {
        const std::string wpt = std::string(R"(<wpt lat="1" lon="2"><name>GC1</name><sym>)") + row.sym +
                                R"(</sym><groundspeak:cache)" + row.state + "><groundspeak:type>" + row.type +
                                "</groundspeak:type><groundspeak:container>" + row.container +
                                "</groundspeak:container>" + row.more + "</groundspeak:cache></wpt>";
        const std::string line = LineByType(wpt);
        EXPECT_TRUE(line.starts_with("WP04,1,2," + std::to_string(row.icon) + ",")) << row.type << row.state << line;
        EXPECT_TRUE(line.ends_with(std::string(",") + row.category + ",0")) << row.type << " " << line;
    }
}

// Every waypoint without cache details is named and shown by its sym; names are tidied.
TEST(KindsByType, ChildWaypointsAndNames) {
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"<sym>Waymark</sym>", R"(507,"WP1",WP1,)"},
        {"<sym>Geocache</sym><desc>No cache details</desc>", R"(507,"No cache details",WP1,)"},
        {"<sym>Question to Answer</sym><cmt> Count\r\n\tthe  arches </cmt>", R"(504,"Count the arches",WP1,)"},
        {"<sym>Final Location</sym><desc>Evan&amp;#291;&amp;#x113;liski &amp;#34;5&amp;#34;</desc>",
         "501,\"Evan\xC4\xA3\xC4\x93liski '5'\",WP1,"},
        {"<sym>Trailhead</sym><desc>&amp;#0; &amp;#xD800; &amp;#x110000; &amp;#; &amp;#12</desc>",
         R"(506,"&#0; &#xD800; &#x110000; &#; &#12",WP1,)"},
    };
    // clang-format on
    for (const auto& [inside, shown] : rows) {
        const std::string line = LineByType(R"(<wpt lat="1" lon="2"><name>WP1</name>)" + inside + "</wpt>");
        EXPECT_TRUE(line.starts_with("WP04,1,2," + shown)) << line;
    }
    const std::string cache = R"(<wpt lat="1" lon="2"><groundspeak:cache><groundspeak:name> Old  Oak&amp;#x21; )"
                              R"(</groundspeak:name></groundspeak:cache></wpt>)";
    EXPECT_TRUE(LineByType(cache).starts_with(R"L(WP04,1,2,206,"Old Oak! (/ )")L")) << LineByType(cache);
    EXPECT_TRUE(LineByType(cache, false).starts_with(R"L(WP04,1,2,206," Old  Oak&#x21;  (/ )")L"));
}

// Only by type: by container every waypoint keeps its line, as it always had.
TEST(KindsByType, WaypointsWithoutNumericCoordinatesAreLeftOutAndCounted) {
    constexpr std::string_view kGpx = R"(<gpx><wpt lat="" lon="1"/><wpt lat="51.5N" lon="1"/><wpt lat="nan" lon="1"/>)"
                                      R"(<wpt lat="1" lon="abc"/><wpt lat="+2" lon="-3"/><wpt lat="0" lon="0"/>)"
                                      R"(<wpt lat="0.000000" lon="-0.0"/><wpt lat="0" lon="0.1"/></gpx>)";
    for (const bool byType : {false, true}) {
        RunSettings settings = testing::TestSettings();
        settings.kindsByType = byType;
        RunResult result;
        EXPECT_EQ(testing::Lines(testing::Convert(kGpx, settings, "utf-8", &result)).size(), byType ? 89u : 88u);
        EXPECT_EQ(result.leftOut, byType ? 6u : 0u);
    }
}

}  // namespace
}  // namespace corvane
