// The walk and the waypoint line: what each snippet of GPX writes, one row per rule.
#include "OutputName.h"
#include "OwnName.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvane {
namespace {

// A waypoint at 1,2 named code and holding body, "g:" standing for "groundspeak:"
std::string Wpt(const std::string& code, const std::string& body) {
    return "<wpt lat=\"1\" lon=\"2\"><name>" + code + "</name>" + testing::Groundspeak(body) + "</wpt>";
}

// The WP04 lines of a conversion, each followed by "\n"
std::string Waypoints(const std::string& body, const RunSettings& settings) {
    std::string text;
    const auto lines = testing::Lines(testing::Convert("<gpx xmlns:groundspeak=\"g\">" + body + "</gpx>", settings));
    for (std::size_t i = 80; i < lines.size(); ++i) text += lines[i] + "\n";
    return text;
}

const std::string kTrad = "<g:type>Traditional</g:type><g:container>Small</g:container><sym>Geocache";

TEST(Rules, EachSnippetWritesItsLines) {
    const struct {
        const char* what;
        std::string body, lines;
        bool website = false;
        int hint = 0;
        std::string cacher = "Kate";
    } rows[] = {
        {"state from the symbol and the user's name in placed_by; a travel bug marks only its own waypoint",
         Wpt("A", kTrad + " Found</sym>") + Wpt("B", kTrad + "</sym><g:placed_by>Kate and Tom</g:placed_by>") +
             Wpt("C", kTrad + " found</sym>") + Wpt("D", kTrad + "</sym><g:travelbug id=\"1\"/>") +
             Wpt("E", kTrad + "</sym>"),
         "WP04,1,2,106,\" (/ TS)\",A,\"\\cmate:A\",0.0,1,A,1,1,Traditional,0\n"
         "WP04,1,2,306,\" (/ TS)\",B,\"\\cmate:B\",0.0,1,B,1,1,Traditional,0\n"
         "WP04,1,2,206,\" (/ TS)\",C,\"\\cmate:C\",0.0,1,C,1,1,Traditional,0\n"
         "WP04,1,2,1206,\" (/ TS)\",D,\"\\cmate:D\",0.0,1,D,1,1,Traditional,0\n"
         "WP04,1,2,206,\" (/ TS)\",E,\"\\cmate:E\",0.0,1,E,1,1,Traditional,0\n"},
        {"a double quote inside any quoted field becomes an apostrophe; unquoted fields keep it",
         Wpt("Q\"1",
             "<url>http://x/?q=\"a\"</url><g:difficulty>1\"</g:difficulty>"
             "<g:encoded_hints>Look inside the \"bird box\".</g:encoded_hints>"),
         "WP04,1,2,206,\" (1'/ )\",\"Q'1 (Hint): Look inside the 'bird box'.\",\"http://x/?q='a'\",0.0,1,Q\"1,1,1,,0\n",
         true, 1},
        {"the same in the CacheMate link", Wpt("Q\"1", ""),
         "WP04,1,2,206,\" (/ )\",Q\"1,\"\\cmate:Q'1\",0.0,1,Q\"1,1,1,,0\n"},
        {"a hint's CR LF becomes one blank, any other line break too; nothing leaks into the next waypoint",
         Wpt("A",
             "<url>http://x/a&#10;b</url><g:name>Big&#13;&#10;Oak</g:name><g:encoded_hints>Look up.&#13;&#10;"
             "Then&#13;down</g:encoded_hints>") +
             Wpt("B", ""),
         "WP04,1,2,206,\"Big  Oak (/ )\",\"A (Hint): Look up. Then down\",\"http://x/a b\",0.0,1,A,1,1,,0\n"
         "WP04,1,2,206,\" (/ )\",\"B (Hint): \",\"\",0.0,1,B,1,1,,0\n",
         true, 1},
        {"the attributes are taken by position; text after the last waypoint is filed into it",
         "<name>Head</name><wpt lon=\"-2\" lat=\"51\"><name>A</name></wpt><wpt lat=\"7\"/><rte><name>R</name></rte>",
         "WP04,-2,51,206,\" (/ )\",A,\"\\cmate:A\",0.0,1,A,1,1,,0\nWP04,7,,206,\" (/ )\",R,\"\\cmate:R\",0.0,1,R,1,1,,0\n"},
        {"GPX 1.1: the first link directly in the waypoint, unless it has a url",
         Wpt("A", "<link href=\"http://a\"/><link href=\"http://b\"/>") +
             Wpt("B", "<url>http://u</url><link href=\"http://a\"/>") + Wpt("C", "<x><link href=\"http://x\"/></x>"),
         "WP04,1,2,206,\" (/ )\",A,\"http://a\",0.0,1,A,1,1,,0\nWP04,1,2,206,\" (/ )\",B,\"http://u\",0.0,1,B,1,1,,0\n"
         "WP04,1,2,206,\" (/ )\",C,\"\",0.0,1,C,1,1,,0\n",
         true},
        {"a container before the type is replaced; a second one appends",
         Wpt("A",
             "<g:container>Small</g:container><g:type>Unknown</g:type><g:container>Small</g:container>"
             "<g:container>Regular</g:container>"),
         "WP04,1,2,206,\" (/ USR)\",A,\"\\cmate:A\",0.0,1,A,1,1,Unknown,0\n"},
    };
    for (const auto& row : rows) {
        RunSettings settings;
        settings.userName = row.cacher;
        settings.linkToWebsite = row.website;
        settings.includeHints = row.hint == 1;
        EXPECT_EQ(Waypoints(row.body, settings), row.lines) << row.what;
    }
}

// Separators on either side of a whole name; full case folding (ß, É) after composition; blanks trimmed.
TEST(Rules, TheUsersNameIsAWholeNameInAnyLetterCase) {
    const struct {
        const char *placedBy, *name;
        bool own;
    } rows[] = {
        // clang-format off
        {"Kate & Bob", "Kate", true}, {"Corvid Kate", " Kate\t", true}, {"Kates Kate", "kate", true},
        {"Mr.Pete", "mr.pete", true}, {"Mr.Pete", "Pete", false}, {"Mr.Pete", "M", false},
        {"Bob&Kate+Tom", "kate", true}, {"Bob,Kate;Tom", "kate", true}, {"Bob/Kate(Tom", "kate", true},
        {"Bob)Kate[Tom", "kate", true}, {"Bob]Kate|Tom", "kate", true}, {"Bob\u00A0KATE\u2003Tom", "kate", true},
        {"STRASSE", "Straße", true}, {"ÉCOLE Kate", "école", true}, {"Café Kate", "Cafe\u0301", true},
        {"Cafe\u0301", "Café", true}, {"Kate  Bob", "  ", false},
        {"Jos\xE9 & KATE", "kate", true},  // not UTF-8: compared byte by byte
        // clang-format on
    };
    for (const auto& r : rows) EXPECT_EQ(PlacedByName(r.placedBy, r.name), r.own) << r.placedBy << " / " << r.name;
}

TEST(Rules, TypeAndContainerTextsGiveLettersAndTypeWord) {
    const struct {
        const char *type, *container, *typeCode, *typeName;
    } rows[] = {
        // clang-format off
        // The sample's golden files hold the other letters.
        {"Micro", "Unknown", "IU", "Micro"},
        {"Temporarily unavailable", "Event", "DE", "Unavailable"},
        {"Event Cache", "Letterbox", "XL", "Errrr"},
        {"Webcam Cache", "CITO", "WC", "Webcam"},
        {"TRADITIONAL", "earth", "TA", "Traditional"},
        {"Trad", "Trigpoint", "TT", "Traditional"},
        {"Tra", "Sm", "XX", "Errrr"},  // shorter than a key: matches nothing
        {"Traditional Cache", "Webcam", "TW", "Traditional"},
        {"Traditional Cache", "Notchosen", "TX", "Traditional"},
        // clang-format on
    };
    for (const auto& r : rows) {
        const std::string body = std::string("<g:type>") + r.type + "</g:type><g:container>" + r.container;
        const std::string line = Waypoints(Wpt("A", body + "</g:container>"), {});
        EXPECT_NE(line.find(std::string(" (/ ") + r.typeCode + ")\","), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(std::string(",1,1,") + r.typeName + ",0\n")) << line;
    }
}

TEST(Rules, IconFolderGetsOneBackslashAndIsSetBack) {
    const std::pair<const char*, const char*> rows[] = {
        {"\\MM Icons", "\\MM Icons\\"}, {"\\MM Icons\\", "\\MM Icons\\"}, {"", "\\"}, {"C:/Icons/", "C:/Icons/\\"}};
    for (const auto& [folder, normalised] : rows) {
        RunSettings settings;
        settings.iconFolder = folder;
        RunResult result;
        EXPECT_EQ(testing::Lines(testing::Convert("<gpx/>", settings, "utf-8", &result)).at(0),
                  "IC01 , 101, \"" + std::string(normalised) + "EventF.bmp\"");
        EXPECT_EQ(result.iconFolder, normalised) << folder;
    }
}

TEST(Rules, OutputNameReplacesTheExtension) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        // clang-format off
        {"C:\\Caches\\week.gpx", "C:\\Caches\\week.csv"}, {"C:\\CACHES\\WEEK.GPX", "C:\\CACHES\\WEEK.csv"},
        {"~/caches/week.xml", "~/caches/week.csv"}, {"pq.gpx.zip", "pq.gpx.csv"}, {"week.güx", "week.csv"},
        {"week.g", "week.csv"},  // typing on: every step names the same CSV file
        {"C:\\Caches\\week", std::nullopt}, {"/tm", std::nullopt}, {"~/caches/week.", std::nullopt},
        {"week.gpx ", std::nullopt}, {"", std::nullopt},
        {"~/.caches", std::nullopt},  // a hidden file, not an extension
        {"a.d/week", std::nullopt},   // the dot of a folder
        // clang-format on
    };
    for (const auto& [gpx, csv] : rows) EXPECT_EQ(OutputName(gpx), csv) << gpx;
}

}  // namespace
}  // namespace corvane
