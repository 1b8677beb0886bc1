// Encodings: documents in other code pages read as UTF-8, and the code page of the CSV file.
#include "InputEncoding.h"
#include "Support.h"
#include "TextEncoder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

// The bytes of utf8 in the code page, then the numbers of characters and of invalid bytes written as "?"
std::tuple<std::string, std::size_t, std::size_t> Encoded(std::string_view codePage, std::string_view utf8) {
    TextEncoder encoder(codePage);
    std::string out;
    encoder.Encode(utf8, out);
    return {out, encoder.substituted(), encoder.invalid()};
}

// A byte order mark outweighs the declaration.
TEST(Encoding, DocumentsInOtherCodePagesReadAsTheirText) {
    const std::pair<std::string, std::string> rows[] = {
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "Caf\xE9 \x80\x81"},
        {"<?xml version='1.0' standalone=\"yes\"  encoding = 'ISO-8859-15'?>", "Caf\xE9 \xA4?"},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "Café €?"},
    };
    for (const auto& [declaration, name] : rows) {
        const std::string gpx = declaration + "<gpx><wpt lat=\"1\" lon=\"2\"><name>" + name + "</name></wpt></gpx>";
        EXPECT_EQ(testing::Lines(testing::Convert(gpx)).at(80),
                  "WP04,1,2,206,\" (/ )\",Café €?,\"\\cmate:Café €?\",0.0,1,Café €?,1,1,,0")
            << declaration;
    }
}

// Only a name reaches the converter: anything else would pass it options.
TEST(Encoding, TheDeclaredEncodingIsANameOrNothing) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        // clang-format off
        {"<?xml version='1.0' encoding='ISO-8859-15'?>", "ISO-8859-15"}, {"<gpx/>", ""},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1250'?>", "windows-1250"},
        {"<?xml version='1.0' encoding='utf-8//IGNORE'?>", ""}, {"<?xml version='1.0' encoding='1252'?>", ""},
        // clang-format on
    };
    for (const auto& [bytes, encoding] : rows) EXPECT_EQ(DeclaredEncoding(bytes), encoding) << bytes;
}

TEST(Encoding, TextInTheOutputCodePage) {
    const struct {
        std::string_view codePage, utf8, bytes;
        std::size_t substituted, invalid = 0;
    } rows[] = {
        {"windows-1252", "Müller € Děčín ő", "M\xFCller \x80 Dec\xEDn o", 0},  // the base letter where it has one
        {"windows-1252", "ἒρνος 😀 東", "????? ? ?", 7},
        {"windows-1252", "a\u2028b\u0085c\r\n", "a?b?c\r\n", 2},  // no line breaks but the line's own
        {"windows-1252", "A\xFFz\xC3", "A?z?", 0, 2},
        {"windows-1252", "Cafe\u0301? c\u030C \u0301", "Caf\xE9? c ?", 1},  // composed first
        {"windows-1252", "C:\\Карты\\", "C:\\?????\\", 5},
        {"utf-8", "Košice 😀 \xFF", "Košice 😀 ?", 0, 1},
        {"windows-1258", "ệ!", "\xEA\xF2!", 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Encoded(r.codePage, r.utf8), std::tuple(std::string(r.bytes), r.substituted, r.invalid))
            << r.codePage << ": " << r.utf8;
    }
}

}  // namespace
}  // namespace corvane
