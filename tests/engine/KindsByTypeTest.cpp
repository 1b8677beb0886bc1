// Icons by cache type: the type table in its families, and the waypoints that have no place.
#include "IconNumber.h"
#include "Support.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct TypeRow {
    const char* type;
    bool micro;  // the container rule gave Micro
    const char* status;
    int icon;
    const char* category;
};

// clang-format off
constexpr TypeRow kTypeRows[] = {
    {"Traditional Cache", false, "TRFN", 106, "Traditional"},
    {"Traditional Cache", true,  "TIFY", 1104, "Micro"},
    {"multi-cache",       false, "MSNN", 205, "Multi"},
    {"Mystery Cache",     false, "XSON", 307, "Unknown"},
    {"Unknown Cache",     false, "USNY", 1207, "Unknown"},
    {"Virtual Cache",     false, "VVNY", 208, "Virtual"},  // no travel-bug icon: the plain one
    {"Webcam Cache",      false, "WOFN", 109, "Webcam"},
    {"Earthcache",        false, "EOUY", 410, "Earthcache"},
    {"Giga-Event Cache",  false, "XONN", 201, "Event"},
    {"CITO",              false, "XOFN", 121, "Cito"},
    {"Letterbox Hybrid",  false, "LSOY", 1302, "Letterbox"},
    {"Event Cache",       false, "XOY",  206, "Event"},  // no family, as by container
};
// clang-format on

TEST(KindsByType, TypeTextChoosesTheKindInTheStatusFamily) {
    for (const TypeRow& row : kTypeRows) {
        const auto shown = IconNumberByType(row.type, row.micro, row.status);
        ASSERT_TRUE(shown) << row.type;
        EXPECT_EQ(shown->icon, row.icon) << row.type << " " << row.status;
        EXPECT_EQ(shown->category, row.category) << row.type;
    }
    EXPECT_FALSE(IconNumberByType("Wherigo Cache", false, "XSNN"));
    EXPECT_FALSE(IconNumberByType("", false, "XSNN"));
}

// Only by type: by container every waypoint keeps its line, as it always had.
TEST(KindsByType, WaypointsWithoutNumericCoordinatesAreLeftOutAndCounted) {
    constexpr std::string_view kGpx = R"(<gpx><wpt lat="" lon="1"/><wpt lat="51.5N" lon="1"/><wpt lat="nan" lon="1"/>)"
                                      R"(<wpt lat="1" lon="abc"/><wpt lat="+2" lon="-3"/></gpx>)";
    for (const bool byType : {false, true}) {
        RunSettings settings = testing::TestSettings();
        settings.kindsByType = byType;
        RunResult result;
        EXPECT_EQ(testing::Lines(testing::Convert(kGpx, settings, "utf-8", &result)).size(), byType ? 87u : 85u);
        EXPECT_EQ(result.leftOut, byType ? 4u : 0u);
    }
}

}  // namespace
}  // namespace corvane
