// The walk: how GPX elements fill, classify and write the waypoints.
#include "TestSupport.h"

namespace corvane {
namespace {

using testing::ConvertToLines;
using testing::FakeWindow;

std::string Gpx(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<gpx xmlns:groundspeak=\"g\">" + body + "</gpx>";
}

// A waypoint in Groundspeak's element order.
std::string Cache(const std::string& code, const std::string& sym, const std::string& type,
                  const std::string& container, const std::string& extra = {}) {
    return "<wpt lat=\"1.5\" lon=\"-2.25\"><name>" + code + "</name><url>http://x/" + code + "</url><sym>" + sym +
           "</sym><groundspeak:cache><groundspeak:name>Cache " + code +
           "</groundspeak:name><groundspeak:placed_by>Kate and Tom</groundspeak:placed_by><groundspeak:type>" + type +
           "</groundspeak:type><groundspeak:container>" + container +
           "</groundspeak:container><groundspeak:difficulty>2</groundspeak:difficulty>"
           "<groundspeak:terrain>3.5</groundspeak:terrain>" +
           extra + "</groundspeak:cache></wpt>";
}

// The status code a line was written with: TypeCode from the name field, icon from field 4.
std::string TypeCodeOf(const std::string& line) {
    const std::size_t close = line.find(")\",");
    const std::size_t open = line.rfind(' ', close);
    return line.substr(open + 1, close - open - 1);
}

std::string Field(const std::string& line, int index) {
    std::size_t start = 0;
    for (int i = 1; i < index; ++i) start = line.find(',', start) + 1;
    return line.substr(start, line.find(',', start) - start);
}

TEST(DisplayNode, ClassifiesStateByUserNameAndSymbol) {
    const struct {
        const char* sym;
        const char* cacher;
        const char* icon;
    } cases[] = {
        {"Geocache", "", "206"},        // TRNN
        {"Geocache", "Kate", "306"},    // TRON: placed_by comes after sym
        {"Geocache", "kate", "206"},    // the name search is case-sensitive
        {"Geocache Found", "", "106"},  // TRFN
        {"Waypoint", "", "206"},        // TRN: no state letter
        {"geocache found", "", "206"},  // symbols are compared exactly
    };
    for (const auto& c : cases) {
        FakeWindow window;
        window.cacher = c.cacher;
        const auto lines = ConvertToLines(Gpx(Cache("GC1", c.sym, "Traditional Cache", "Regular")), window);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(Field(lines[0], 4), c.icon) << c.sym << " / " << c.cacher;
        EXPECT_EQ(TypeCodeOf(lines[0]), "TR");
    }
}

TEST(DisplayNode, TypeAndContainerTextsGiveLettersAndTypeWord) {
    const struct {
        const char* type;
        const char* container;
        const char* typeCode;
        const char* typeName;
    } cases[] = {
        {"Traditional Cache", "Regular", "TR", "Traditional"},
        {"Multi-cache", "Small", "MS", "Multi"},
        {"Unknown Cache", "Large", "UG", "Unknown"},
        {"Virtual Cache", "Virtual", "VV", "Virtual"},
        {"Letterbox Hybrid", "Other", "LO", "Letterbox"},
        {"Earthcache", "Not chosen", "EO", "Earthcache"},
        {"Webcam Cache", "unknown", "WU", "Webcam"},
        {"Temporarily unavailable", "Event", "DE", "Unavailable"},
        {"Event Cache", "Letterbox", "XL", "Errrr"},  // no type row for events
        {"Cache In Trash Out Event", "CITO", "XC", "Errrr"},
        {"Traditional", "Webcam", "TW", "Traditional"},
        {"TRADITIONAL", "earth", "TA", "Traditional"},
        {"Trad", "Trigpoint", "TT", "Traditional"},
        {"Tra", "Sm", "XX", "Errrr"},  // shorter than a key: matches nothing
        {"Micro", "Regular", "IR", "Micro"},
        {"Traditional Cache", "Micro", "TI", "Micro"},            // a micro container renames the type
        {"Traditional Cache", "Notchosen", "TX", "Traditional"},  // "NOT " needs its blank
    };
    for (const auto& c : cases) {
        const auto lines = ConvertToLines(Gpx(Cache("GC1", "Geocache", c.type, c.container)));
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(TypeCodeOf(lines[0]), c.typeCode) << c.type << " / " << c.container;
        EXPECT_EQ(Field(lines[0], 13), c.typeName) << c.type << " / " << c.container;
    }
}

TEST(DisplayNode, OnlyTheFirstTypeAndNameOfAWaypointCount) {
    const std::string logsAndBugs =
        "<groundspeak:logs><groundspeak:log><groundspeak:type>Found it</groundspeak:type></groundspeak:log>"
        "</groundspeak:logs><groundspeak:travelbugs><groundspeak:travelbug><groundspeak:name>Bug \"X\"</groundspeak:name>"
        "</groundspeak:travelbug></groundspeak:travelbugs>";
    const auto lines = ConvertToLines(Gpx(Cache("GC1", "Geocache", "Multi-cache", "Regular", logsAndBugs)));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], R"L(WP04,1.5,-2.25,1205,"Cache GC1 (2/3.5 MR)",GC1,"\cmate:GC1",0.0,1,GC1,1,1,Multi,0)L");
}

TEST(DisplayNode, ContainerBeforeTypeIsReplacedAndSecondContainerAppends) {
    const std::string gpx = Gpx(
        "<wpt lat=\"1\" lon=\"2\"><name>A</name><groundspeak:container>Small</groundspeak:container>"
        "<groundspeak:type>Unknown Cache</groundspeak:type></wpt>"
        "<wpt lat=\"1\" lon=\"2\"><name>B</name><groundspeak:type>Unknown Cache</groundspeak:type>"
        "<groundspeak:container>Small</groundspeak:container><groundspeak:container>Regular</groundspeak:container></wpt>"
        "<wpt lat=\"1\" lon=\"2\"><name>C</name><groundspeak:container>Virtual</groundspeak:container>"
        "<sym>Geocache</sym></wpt>");
    const auto lines = ConvertToLines(gpx);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(TypeCodeOf(lines[0]), "U");
    EXPECT_EQ(TypeCodeOf(lines[1]), "USR");
    EXPECT_EQ(TypeCodeOf(lines[2]), "V");
    EXPECT_EQ(Field(lines[2], 4), "206");  // code "VNN": state letter N, no kind test matches
}

TEST(DisplayNode, MotorwaySeriesOverridesTheType) {
    const std::string gpx = Gpx(
        "<wpt lat=\"1\" lon=\"2\"><name>GC9</name><sym>Geocache</sym><groundspeak:name>M25 motorWAY Mahem #3</groundspeak:name>"
        "<groundspeak:type>Multi-cache</groundspeak:type><groundspeak:container>Regular</groundspeak:container></wpt>");
    const auto lines = ConvertToLines(gpx);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], R"L(WP04,1,2,220,"M25 motorWAY Mahem #3 (/ OR)",GC9,"\cmate:GC9",0.0,1,GC9,1,1,Motorway,0)L");
}

TEST(DisplayNode, TravelBugsMarkOnlyTheirOwnWaypoint) {
    const std::string bug =
        "<groundspeak:travelbugs>\n  <groundspeak:travelbug id=\"1\" ref=\"TB1\">\n"
        "    <groundspeak:name>Rubber Duck</groundspeak:name>\n  </groundspeak:travelbug>\n</groundspeak:travelbugs>";
    const std::string textBug = "<groundspeak:travelbug>TB2</groundspeak:travelbug>";
    const auto lines = ConvertToLines(Gpx(
        Cache("A", "Geocache", "Traditional", "Small") + Cache("B", "Geocache", "Traditional", "Small", bug) +
        Cache("C", "Geocache", "Traditional", "Small") + Cache("D", "Geocache Found", "Traditional", "Small", textBug) +
        Cache("E", "Geocache", "Traditional", "Small", "<groundspeak:travelbugs/>")));
    ASSERT_EQ(lines.size(), 5u);
    const char* icons[] = {"206", "1206", "206", "1106", "206"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(Field(lines[i], 4), icons[i]) << lines[i];
}

TEST(DisplayNode, TextOutsideWaypointsIsFiledToo) {
    // The document's own name and url come before the first waypoint, which resets them;
    // a route after the last waypoint renames it.
    const std::string gpx =
        Gpx("<name>My Finds</name><url>http://head</url>"
            "<wpt lat=\"1\" lon=\"2\"><name>GC1</name></wpt>"
            "<rte><name>Route 66</name><rtept lat=\"3\" lon=\"4\"><sym>Geocache Found</sym></rtept></rte>");
    FakeWindow window;
    window.website = true;
    const auto lines = ConvertToLines(gpx, window);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], R"L(WP04,1,2,206," (/ )",Route 66,"",0.0,1,Route 66,1,1,,0)L");
}

TEST(DisplayNode, AttributesAreTakenByPosition) {
    const std::string gpx =
        Gpx("<wpt lon=\"-2\" lat=\"51\"><name>A</name></wpt>"
            "<wpt lat=\"7\"><name>B</name></wpt>"
            "<wpt><name>C</name></wpt>"
            "<wpt xmlns:x=\"urn:x\" lat=\"8\" lon=\"9\"><name>D</name></wpt>");
    const auto lines = ConvertToLines(gpx);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 13), "WP04,-2,51,20");
    EXPECT_EQ(lines[1].substr(0, 11), "WP04,7,,206");
    EXPECT_EQ(lines[2].substr(0, 10), "WP04,,,206");
    EXPECT_EQ(lines[3].substr(0, 18), "WP04,urn:x,8,206,\"");
}

TEST(DisplayNode, OnlyUnprefixedWptElementsStartWaypoints) {
    const std::string gpx = Gpx(
        "<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt><x:wpt xmlns:x=\"u\" lat=\"3\" lon=\"4\"><name>B</name></x:wpt>"
        "<WPT lat=\"5\" lon=\"6\"/><!-- wpt --><![CDATA[<wpt lat=\"7\" lon=\"8\"/>]]>");
    const auto lines = ConvertToLines(gpx);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Field(lines[0], 10), "B");
}

TEST(DisplayNode, NamesHintsAndLineBreaks) {
    const std::string gpx = Gpx(
        "<wpt lat=\"1&#10;0\" lon=\"2\"><name>GC&#13;1</name><url>http://x/a&#10;b</url><sym>Geocache</sym>"
        "<groundspeak:name>  The \"Big\"&#13;&#10;Oak  </groundspeak:name>"
        "<groundspeak:encoded_hints>Look up.\r\nThen &#13;&#10;down&#13;left&#10;right</groundspeak:encoded_hints>"
        "<groundspeak:type>Traditional Cache</groundspeak:type><groundspeak:container>Small</groundspeak:container></wpt>");
    FakeWindow window;
    window.hint = 1;
    window.website = true;
    const auto lines = ConvertToLines(gpx, window);
    ASSERT_EQ(lines.size(), 1u);
    // CR LF pairs in the hint become one blank; any other CR or LF in any value becomes a
    // blank as well, so a waypoint always stays on one line.
    EXPECT_EQ(lines[0],
              "WP04,1 0,2,206,\"  The 'Big'  Oak   (/ TS)\",\"GC 1 (Hint): Look up. Then  down left right\","
              "\"http://x/a b\",0.0,1,GC 1,1,1,Traditional,0");
}

TEST(DisplayNode, TextSplitIntoPiecesIsFiledPieceByPiece) {
    const std::string gpx =
        Gpx("<wpt lat=\"1\" lon=\"2\"><name>GC<!-- c -->7</name>"
            "<groundspeak:name>First<![CDATA[ and ]]>Second</groundspeak:name>"
            "<groundspeak:type>Tr<!-- c -->aditional</groundspeak:type>"
            "<groundspeak:container>Small<!-- c -->Regular</groundspeak:container></wpt>");
    const auto lines = ConvertToLines(gpx);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], R"L(WP04,1,2,206,"First (/ XSR)",7,"\cmate:7",0.0,1,7,1,1,Errrr,0)L");
}

TEST(DisplayNode, WhiteSpaceBetweenElementsIsNoText) {
    // Indentation inside a waypoint must not replace the values around it.
    const std::string gpx = Gpx(
        "<wpt lat=\"1\" lon=\"2\">\n  <name>GC1</name>\n  <url>http://x</url>\n</wpt>\n<url>   </url>\n<name>\t</name>");
    FakeWindow window;
    window.website = true;
    const auto lines = ConvertToLines(gpx, window);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], R"L(WP04,1,2,206," (/ )",GC1,"http://x",0.0,1,GC1,1,1,,0)L");
}

TEST(DisplayNode, EachWaypointStartsWithoutThePreviousHintOrLink) {
    const std::string gpx = Gpx(
        "<wpt lat=\"1\" lon=\"2\"><name>A</name><url>http://a</url><groundspeak:encoded_hints>under</groundspeak:encoded_hints></wpt>"
        "<wpt lat=\"3\" lon=\"4\"><name>B</name></wpt>");
    FakeWindow window;
    window.hint = 1;
    window.website = true;
    const auto lines = ConvertToLines(gpx, window);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], R"L(WP04,1,2,206," (/ )","A (Hint): under","http://a",0.0,1,A,1,1,,0)L");
    EXPECT_EQ(lines[1], R"L(WP04,3,4,206," (/ )","B (Hint): ","",0.0,1,B,1,1,,0)L");
}

TEST(DisplayNode, AMillionLevelsDeepConvertsWithoutRecursion) {
    constexpr int kDepth = 1'000'000;
    std::string gpx = "<gpx><wpt lat=\"1\" lon=\"2\">";
    gpx.reserve(static_cast<std::size_t>(kDepth) * 7 + 100);
    for (int i = 0; i < kDepth; ++i) gpx += "<a>";
    gpx += "<name>DEEP</name>";
    for (int i = 0; i < kDepth; ++i) gpx += "</a>";
    gpx += "</wpt></gpx>";
    const auto lines = ConvertToLines(gpx);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Field(lines[0], 10), "DEEP");
}

}  // namespace
}  // namespace corvane
