// Which files load as documents, and how damaged ones are read.
#include "TestSupport.h"

#include "GpxDocument.h"

namespace corvane {
namespace {

using testing::TempDir;

TEST(GpxDocument, RefusesFilesThatAreNoSingleXmlDocument) {
    const struct {
        const char* what;
        const char* bytes;
    } cases[] = {
        {"empty", ""},
        {"only a declaration", "<?xml version=\"1.0\"?>\n"},
        {"only a comment", "<!-- nothing -->"},
        {"plain text", "lat,lon\n1,2\n"},
        {"truncated", "<gpx><wpt lat=\"1\" lon=\"2\"><name>GC1</na"},
        {"mismatched tags", "<gpx><wpt></gpx></wpt>"},
        {"unclosed root", "<gpx><wpt lat=\"1\" lon=\"2\"/>"},
        {"two top-level elements", "<gpx/><gpx/>"},
        {"bad CDATA end", "<gpx><name>a</name>]]><x></gpx>"},
    };
    for (const auto& c : cases) {
        GpxDocument document;
        EXPECT_FALSE(document.LoadBytes(c.bytes)) << c.what;
        EXPECT_FALSE(document.error().empty()) << c.what;
    }
}

TEST(GpxDocument, RefusesPathsThatAreNoReadableFile) {
    TempDir dir;
    GpxDocument document;
    EXPECT_FALSE(document.LoadFile(dir.path("missing.gpx")));
    EXPECT_FALSE(document.LoadFile(dir.path("")));  // the folder itself
    EXPECT_FALSE(document.LoadFile(""));
}

TEST(GpxDocument, DamagedButReadableFilesConvertAsRead) {
    // Exporters write bare ampersands and HTML entities; they stay as plain text.
    const auto lines = testing::ConvertToLines(
        "<gpx xmlns:groundspeak=\"g\"><wpt lat=\"1\" lon=\"2\"><name>GC1</name>"
        "<groundspeak:name>Fish & Chips in Espa&ntilde;a &amp; more</groundspeak:name></wpt></gpx>");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              R"L(WP04,1,2,206,"Fish & Chips in Espa&ntilde;a & more (/ )",GC1,"\cmate:GC1",0.0,1,GC1,1,1,,0)L");
}

TEST(GpxDocument, ReadsOtherEncodingsIntoTheSameText) {
    const std::string expected = R"L(WP04,1,2,206,"Café Müller (/ )",GC1,"\cmate:GC1",0.0,1,GC1,1,1,,0)L";
    const std::string body =
        "<gpx xmlns:groundspeak=\"g\"><wpt lat=\"1\" lon=\"2\"><name>GC1</name>"
        "<groundspeak:name>Café Müller</groundspeak:name></wpt></gpx>";
    // Re-encode the UTF-8 body byte for byte into each form.
    auto latin1 = [&](const std::string& head) {
        std::string out = head;
        for (std::size_t i = 0; i < body.size(); ++i) {
            const auto c = static_cast<unsigned char>(body[i]);
            if (c == 0xC3) {
                out += static_cast<char>(static_cast<unsigned char>(body[++i]) + 0x40);
            } else {
                out += body[i];
            }
        }
        return out;
    };
    auto utf16le = [&]() {
        std::string out = "\xFF\xFE";
        for (std::size_t i = 0; i < body.size(); ++i) {
            auto c = static_cast<unsigned char>(body[i]);
            unsigned code = c;
            if (c == 0xC3) code = 0xC0 + (static_cast<unsigned char>(body[++i]) & 0x3F);
            out += static_cast<char>(code & 0xFF);
            out += static_cast<char>(code >> 8);
        }
        return out;
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"utf-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body},
        {"utf-8 with BOM", "\xEF\xBB\xBF" + body},
        {"utf-16 with BOM", utf16le()},
        {"iso-8859-1", latin1("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>")},
        {"windows-1252", latin1("<?xml version='1.0' encoding='windows-1252'?>")},
        {"iso-8859-15", latin1("<?xml version=\"1.0\" encoding=\"ISO-8859-15\" standalone=\"yes\"?>")},
    };
    for (const auto& c : cases) {
        testing::FakeWindow window;
        CacheRecord record;
        const std::string csv = testing::ConvertText(c.bytes, window, record);
        const auto lines = testing::WaypointLines(csv);
        ASSERT_EQ(lines.size(), 1u) << c.what;
        EXPECT_EQ(lines[0], expected) << c.what;
    }
}

}  // namespace
}  // namespace corvane
