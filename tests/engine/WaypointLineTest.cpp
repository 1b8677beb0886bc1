// The WP04 line of a waypoint in its four variants.
#include "WaypointLine.h"

#include "CacheRecord.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

CacheRecord OldOakTree() {
    CacheRecord r;
    r.Latitude = "51.50123";
    r.Longitude = "-0.12456";
    r.CacheName = "Old Oak Tree";
    r.Difficulty = "1.5";
    r.Terrain = "2";
    r.TypeCode = "TR";
    r.FoundCode = "F";
    r.TravelBug = "N";
    r.WaypointCode = "GC1ABCD";
    r.Hint = "Under the roots";
    r.TypeName = "Traditional";
    r.CacheURL = "http://www.geocaching.com/seek/cache_details.aspx?wp=GC1ABCD";
    return r;
}

std::string Line(const CacheRecord& record, bool website, bool hints) {
    std::string line;
    BuildWaypointLine(record, website, hints, line);
    return line;
}

TEST(WaypointLine, FourVariantsOfLinkAndHint) {
    const CacheRecord r = OldOakTree();
    EXPECT_EQ(
        Line(r, false, true),
        R"L(WP04,51.50123,-0.12456,106,"Old Oak Tree (1.5/2 TR)","GC1ABCD (Hint): Under the roots","\cmate:GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)L");
    EXPECT_EQ(
        Line(r, false, false),
        R"L(WP04,51.50123,-0.12456,106,"Old Oak Tree (1.5/2 TR)",GC1ABCD,"\cmate:GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)L");
    EXPECT_EQ(
        Line(r, true, true),
        R"L(WP04,51.50123,-0.12456,106,"Old Oak Tree (1.5/2 TR)","GC1ABCD (Hint): Under the roots","http://www.geocaching.com/seek/cache_details.aspx?wp=GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)L");
    EXPECT_EQ(
        Line(r, true, false),
        R"L(WP04,51.50123,-0.12456,106,"Old Oak Tree (1.5/2 TR)",GC1ABCD,"http://www.geocaching.com/seek/cache_details.aspx?wp=GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)L");
}

TEST(WaypointLine, EmptyFieldsKeepTheirSeparators) {
    CacheRecord r = OldOakTree();
    r.Difficulty.clear();
    r.Terrain.clear();
    r.Hint.clear();
    EXPECT_EQ(
        Line(r, false, true),
        R"L(WP04,51.50123,-0.12456,106,"Old Oak Tree (/ TR)","GC1ABCD (Hint): ","\cmate:GC1ABCD",0.0,1,GC1ABCD,1,1,Traditional,0)L");
    EXPECT_EQ(Line(CacheRecord{}, false, false), R"L(WP04,,,206," (/ )",,"\cmate:",0.0,1,,1,1,,0)L");
}

TEST(WaypointLine, ValuesAreWrittenWithoutEscaping) {
    CacheRecord r = OldOakTree();
    r.Hint = R"(say "hi", then dig)";
    r.CacheURL = R"(http://x/?a="1",b)";
    r.WaypointCode = "GC,1";
    r.Latitude = "51,5";
    EXPECT_EQ(
        Line(r, true, true),
        R"L(WP04,51,5,-0.12456,106,"Old Oak Tree (1.5/2 TR)","GC,1 (Hint): say "hi", then dig","http://x/?a="1",b",0.0,1,GC,1,1,1,Traditional,0)L");
}

TEST(WaypointLine, IconComesFromTheWholeStatusCode) {
    CacheRecord r = OldOakTree();
    const struct {
        const char* typeCode;
        const char* foundCode;
        const char* travelBug;
        const char* icon;
    } cases[] = {
        {"TR", "F", "N", ",106,"}, {"TR", "F", "Y", ",1106,"}, {"TI", "", "N", ",204,"},
        {"TR", "X", "N", ",206,"}, {"OR", "O", "N", ",320,"},  {"MI", "N", "Y", ",1205,"},
    };
    for (const auto& c : cases) {
        r.TypeCode = c.typeCode;
        r.FoundCode = c.foundCode;
        r.TravelBug = c.travelBug;
        const std::string line = Line(r, false, false);
        EXPECT_EQ(line.substr(line.find(",-0.12456") + 9, std::string(c.icon).size()), c.icon) << line;
        // The name field shows TypeCode only, never the state or travel-bug letters.
        EXPECT_NE(line.find(std::string(" TR)").replace(1, 2, c.typeCode) + "\""), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace corvane
