// The walk and the waypoint line: what each snippet of GPX writes, one row per rule.
#include "OutputName.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvane {
namespace {

using testing::FakeWindow;

// The snippet inside a gpx element, "g:" standing for "groundspeak:"
std::string Gpx(std::string body) {
    for (std::size_t at = 0; (at = body.find("g:", at)) != std::string::npos; at += 2)
        if (at > 0 && (body[at - 1] == '<' || body[at - 1] == '/')) body.replace(at, 2, "groundspeak:");
    return "<gpx xmlns:groundspeak=\"g\">" + body + "</gpx>";
}

// The WP04 lines of a conversion, each followed by "\n"
std::string Waypoints(std::string_view gpx, FakeWindow window) {
    std::string text;
    const auto lines = testing::Lines(testing::Convert(gpx, window));
    for (std::size_t i = 80; i < lines.size(); ++i) text += lines[i] + "\n";
    return text;
}

const std::string kTrad = "<g:type>Traditional</g:type><g:container>Small</g:container>";

struct Row {
    const char* what;
    std::string body;
    std::string lines;
    std::string cacher = "";
    bool website = false;
    int hint = 0;
};

TEST(Rules, EachSnippetWritesItsLines) {
    const Row rows[] = {
        {"state from the symbol and the user's name in placed_by; a travel bug marks only its own waypoint",
         "<wpt lat=\"1\" lon=\"2\"><name>A</name><sym>Geocache Found</sym>" + kTrad +
             "</wpt><wpt lat=\"1\" lon=\"2\"><name>B</name><sym>Geocache</sym><g:placed_by>Kate and Tom</g:placed_by>" +
             kTrad + "</wpt><wpt lat=\"1\" lon=\"2\"><name>C</name><sym>geocache found</sym>" + kTrad +
             "</wpt><wpt lat=\"1\" lon=\"2\"><name>D</name><sym>Geocache</sym>" + kTrad +
             "<g:travelbug id=\"1\">\n<g:name>Duck</g:name></g:travelbug></wpt><wpt lat=\"1\" lon=\"2\"><name>E</name>"
             "<sym>Geocache</sym>" + kTrad + "</wpt>",
         "WP04,1,2,106,\" (/ TS)\",A,\"\\cmate:A\",0.0,1,A,1,1,Traditional,0\n"
         "WP04,1,2,306,\" (/ TS)\",B,\"\\cmate:B\",0.0,1,B,1,1,Traditional,0\n"
         "WP04,1,2,206,\" (/ TS)\",C,\"\\cmate:C\",0.0,1,C,1,1,Traditional,0\n"
         "WP04,1,2,1206,\"Duck (/ TS)\",D,\"\\cmate:D\",0.0,1,D,1,1,Traditional,0\n"
         "WP04,1,2,206,\" (/ TS)\",E,\"\\cmate:E\",0.0,1,E,1,1,Traditional,0\n",
         "Kate"},
        {"only the first name and type count; quotes in the name become apostrophes",
         "<wpt lat=\"1\" lon=\"2\"><name>GC1</name><sym>Geocache</sym><g:name>The \"Big\" Oak</g:name>"
         "<g:type>Multi-cache</g:type><g:container>Regular</g:container><g:log><g:type>Found it</g:type></g:log>"
         "<g:travelbug><g:name>Bug</g:name></g:travelbug></wpt>",
         "WP04,1,2,1205,\"The 'Big' Oak (/ MR)\",GC1,\"\",0.0,1,GC1,1,1,Multi,0\n", "", true},
        {"the Motorway series has its own type",
         "<wpt lat=\"1\" lon=\"2\"><name>GC9</name><sym>Geocache</sym><g:name>M25 motorWAY Mahem</g:name>"
         "<g:type>Multi-cache</g:type><g:container>Regular</g:container></wpt>",
         "WP04,1,2,220,\"M25 motorWAY Mahem (/ OR)\",GC9,\"\\cmate:GC9\",0.0,1,GC9,1,1,Motorway,0\n"},
        {"a hint's CR LF becomes one blank, any other line break too; nothing leaks into the next waypoint",
         "<wpt lat=\"1&#10;0\" lon=\"2\"><name>A</name><url>http://x/a&#10;b</url><g:name>Big&#13;&#10;Oak</g:name>"
         "<g:encoded_hints>Look up.&#13;&#10;Then&#13;down</g:encoded_hints></wpt><wpt lat=\"3\" lon=\"4\"><name>B</name></wpt>",
         "WP04,1 0,2,206,\"Big  Oak (/ )\",\"A (Hint): Look up. Then down\",\"http://x/a b\",0.0,1,A,1,1,,0\n"
         "WP04,3,4,206,\" (/ )\",\"B (Hint): \",\"\",0.0,1,B,1,1,,0\n",
         "", true, 1},
        {"the attributes are taken by position",
         "<wpt lon=\"-2\" lat=\"51\"><name>A</name></wpt><wpt lat=\"7\"><name>B</name></wpt>",
         "WP04,-2,51,206,\" (/ )\",A,\"\\cmate:A\",0.0,1,A,1,1,,0\nWP04,7,,206,\" (/ )\",B,\"\\cmate:B\",0.0,1,B,1,1,,0\n"},
        {"text before the first waypoint is reset, text after the last one is filed into it",
         "<name>My Finds</name><url>http://head</url><wpt lat=\"1\" lon=\"2\"><name>GC1</name></wpt>"
         "<rte><name>Route 66</name></rte>",
         "WP04,1,2,206,\" (/ )\",Route 66,\"\",0.0,1,Route 66,1,1,,0\n", "", true},
        {"a container before the type is replaced; a second one appends",
         "<wpt lat=\"1\" lon=\"2\"><name>A</name><g:container>Small</g:container><g:type>Unknown</g:type></wpt>"
         "<wpt lat=\"1\" lon=\"2\"><name>B</name><g:type>Unknown</g:type><g:container>Small</g:container>"
         "<g:container>Regular</g:container></wpt>",
         "WP04,1,2,206,\" (/ U)\",A,\"\\cmate:A\",0.0,1,A,1,1,Unknown,0\n"
         "WP04,1,2,206,\" (/ USR)\",B,\"\\cmate:B\",0.0,1,B,1,1,Unknown,0\n"},
        {"damaged but readable text is written as the parser reads it",
         "<wpt lat=\"1\" lon=\"2\"><name>GC1</name><g:name>Fish & Chips &ntilde; &amp; more</g:name></wpt>",
         "WP04,1,2,206,\"Fish & Chips &ntilde; & more (/ )\",GC1,\"\\cmate:GC1\",0.0,1,GC1,1,1,,0\n"},
    };
    for (const Row& row : rows) {
        FakeWindow window;
        window.cacher = row.cacher;
        window.website = row.website;
        window.hint = row.hint;
        EXPECT_EQ(Waypoints(Gpx(row.body), window), row.lines) << row.what;
    }
}

TEST(Rules, TypeAndContainerTextsGiveLettersAndTypeWord) {
    const struct {
        const char *type, *container, *typeCode, *typeName;
    } rows[] = {
        {"Traditional Cache", "Regular", "TR", "Traditional"},
        {"Multi-cache", "Small", "MS", "Multi"},
        {"Unknown Cache", "Large", "UG", "Unknown"},
        {"Virtual Cache", "Virtual", "VV", "Virtual"},
        {"Letterbox Hybrid", "Other", "LO", "Letterbox"},
        {"Earthcache", "Not chosen", "EO", "Earthcache"},
        {"Webcam Cache", "unknown", "WU", "Webcam"},
        {"Temporarily unavailable", "Event", "DE", "Unavailable"},
        {"Event Cache", "Letterbox", "XL", "Errrr"},
        {"Cache In Trash Out Event", "CITO", "XC", "Errrr"},
        {"TRADITIONAL", "earth", "TA", "Traditional"},
        {"Trad", "Trigpoint", "TT", "Traditional"},
        {"Tra", "Sm", "XX", "Errrr"},  // shorter than a key: matches nothing
        {"Micro", "Regular", "IR", "Micro"},
        {"Traditional Cache", "Micro", "TI", "Micro"},  // a micro container renames the type
        {"Traditional Cache", "Notchosen", "TX", "Traditional"},
    };
    for (const auto& r : rows) {
        const std::string line = Waypoints(Gpx("<wpt lat=\"1\" lon=\"2\"><g:type>" + std::string(r.type) +
                                               "</g:type><g:container>" + r.container + "</g:container></wpt>"),
                                           {});
        EXPECT_NE(line.find(std::string("\" (/ ") + r.typeCode + ")\""), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(std::string(",1,1,") + r.typeName + ",0\n")) << line;
    }
}

TEST(Rules, IconFolderGetsOneBackslashAndIsSetBack) {
    const std::pair<const char*, const char*> rows[] = {
        {"\\MM Icons", "\\MM Icons\\"}, {"\\MM Icons\\", "\\MM Icons\\"}, {"", "\\"}, {"C:/Icons/", "C:/Icons/\\"}};
    for (const auto& [folder, normalised] : rows) {
        FakeWindow window;
        window.icon = folder;
        const auto lines = testing::Lines(testing::Convert("<gpx/>", window));
        EXPECT_EQ(window.icon, normalised);
        EXPECT_EQ(window.iconSets, 1);
        EXPECT_EQ(lines.at(0), "IC01 , 101, \"" + std::string(normalised) + "EventF.bmp\"");
    }
}

TEST(Rules, AMillionLevelsDeepConvertsWithoutRecursion) {
    std::string gpx = "<gpx><wpt lat=\"1\" lon=\"2\">";
    for (int i = 0; i < 1'000'000; ++i) gpx += "<a>";
    gpx += "<name>DEEP</name>";
    for (int i = 0; i < 1'000'000; ++i) gpx += "</a>";
    EXPECT_EQ(Waypoints(gpx + "</wpt></gpx>", {}), "WP04,1,2,206,\" (/ )\",DEEP,\"\\cmate:DEEP\",0.0,1,DEEP,1,1,,0\n");
}

TEST(Rules, OutputNameReplacesTheLastThreeCharacters) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"C:\\Caches\\week.gpx", "C:\\Caches\\week.csv"},
        {"C:\\CACHES\\WEEK.GPX", "C:\\CACHES\\WEEK.csv"},
        {"C:\\Caches\\week", "C:\\Caches\\wcsv"},  // no dot is looked for
        {"C:\\", "csv"},
        {"week.güx", "week.csv"},  // characters, not bytes
        {"C:\\week\U0001F600\U0001F600\U0001F600", "C:\\weekcsv"},
        {"ab", std::nullopt},
        {"Mü", std::nullopt},
    };
    for (const auto& [gpx, csv] : rows) EXPECT_EQ(OutputName(gpx), csv) << gpx;
}

}  // namespace
}  // namespace corvane
