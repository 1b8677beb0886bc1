// Icons by cache type: the type table in its families, and which waypoints have a place.
#include "CacheRecord.h"
#include "IconNumber.h"
#include "Support.h"
#include "WaypointLine.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(KindsByType, OnlyNumbersArePlaces) {
    const struct {
        const char* latitude;
        const char* longitude;
        bool placed;
    } rows[] = {{"51.5", "-0.1", true}, {"+51.5", "0", true},  {"", "-0.1", false},
                {"51.5", "abc", false}, {"51.5N", "0", false}, {"nan", "0", false}};
    for (const auto& row : rows) {
        CacheRecord record;
        record.Latitude = row.latitude;
        record.Longitude = row.longitude;
        EXPECT_EQ(HasCoordinates(record), row.placed) << row.latitude << " " << row.longitude;
    }
}

TEST(KindsByType, WaypointsWithoutPlaceAreCountedInTheReport) {
    constexpr std::string_view kGpx = R"(<gpx><wpt lat="" lon="1"/><wpt lat="2" lon="3"/></gpx>)";
    for (const bool byType : {false, true}) {
        testing::FakeWindow window;
        window.byType = byType;
        const auto lines = testing::Lines(testing::Convert(kGpx, window));
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("WP04,"); }),
                  byType ? 1 : 2);
        EXPECT_EQ(window.shown.back(), byType ? "Complete!\n1 waypoint without coordinates left out|64|Conversion"
                                              : "Complete!|64|Conversion");
    }
}

}  // namespace
}  // namespace corvane
