// Tests of reading the declared encoding and converting such documents to UTF-8.
#include "InputEncoding.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>

namespace corvane {
namespace {

using namespace std::literals;

TEST(InputEncodingTest, DeclaredEncoding) {
    const struct {
        std::string_view bytes;
        std::string_view encoding;
    } cases[] = {
        {R"(<?xml version="1.0" encoding="windows-1252"?><gpx/>)", "windows-1252"},
        {R"(<?xml version='1.0' encoding='ISO-8859-2'?>)", "ISO-8859-2"},
        {"<?xml\n\tversion = \"1.0\"\r\n  encoding\t=\t'KOI8-R'  standalone=\"yes\" ?>\n<gpx/>", "KOI8-R"},
        {R"(<?xml version="1.0" standalone="no" encoding="UTF-8"?>)", "UTF-8"},
        {R"(<?xml version="1.0"?><gpx encoding="windows-1250"/>)", ""},
        {R"(<?xml version="1.0" encoding="windows-1250'?>)", ""},
        {R"(<?xml version="1.0" encoding=windows-1250?>)", ""},
        {R"(<?xml version="1.0" encoding="utf-8//IGNORE"?>)", ""},
        {R"(<?xml version="1.0" encoding="windows-1250")", ""},
        {R"( <?xml version="1.0" encoding="windows-1250"?>)", ""},
        {R"(<?xml-stylesheet encoding="windows-1250"?>)", ""},
        {R"(<gpx version="1.0"/>)", ""},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1250\"?>", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeclaredEncoding(c.bytes), c.encoding) << c.bytes;
    }
}

TEST(InputEncodingTest, ParserReadsEncoding) {
    const struct {
        std::string_view bytes;
        bool parserReads;
    } cases[] = {
        {R"(<gpx/>)", true},
        {R"(<?xml version="1.0"?><gpx/>)", true},
        {R"(<?xml version="1.0" encoding="UTF-8"?>)", true},
        {R"(<?xml version="1.0" encoding="utf8"?>)", true},
        {R"(<?xml version="1.0" encoding="UTF-16"?>)", true},
        {R"(<?xml version="1.0" encoding="utf-32"?>)", true},
        {R"(<?xml version="1.0" encoding="ISO-8859-1"?>)", true},
        {R"(<?xml version="1.0" encoding="Latin1"?>)", true},
        {R"(<?xml version="1.0" encoding="US-ASCII"?>)", true},
        {R"(<?xml version="1.0" encoding="x-no-such-encoding"?>)", true},
        {R"(<?xml version="1.0" encoding="windows-1252"?>)", false},
        {R"(<?xml version="1.0" encoding="Windows-1250"?>)", false},
        {R"(<?xml version="1.0" encoding="ISO-8859-2"?>)", false},
        {R"(<?xml version="1.0" encoding="koi8-r"?>)", false},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1252\"?>", true},
        {"\xFF\xFE<\0?\0x\0m\0l\0"sv, true},
        {"\xFE\xFF\0<\0?\0x\0m\0l"sv, true},
        {"\xFF\xFE\0\0<\0\0\0"sv, true},
        {"\0\0\xFE\xFF\0\0\0<"sv, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParserReadsEncoding(c.bytes), c.parserReads) << c.bytes;
    }
}

TEST(InputEncodingTest, ConvertsToUtf8) {
    const struct {
        std::string_view encoding;
        std::string_view bytes;
        std::string_view utf8;
    } cases[] = {
        {"windows-1252", "Caf\xE9 \x80 \x93M\xFCller\x94", "Café € “Müller”"},
        {"windows-1250", "Ko\x9A\x69\x63\x65 \xA3\xF3\x64\x9F", "Košice Łódź"},
        {"ISO-8859-2", "Ko\xB9\x69\x63\x65", "Košice"},
        {"KOI8-R", "\xED\xCF\xD3\xCB\xD7\xC1", "Москва"},
        {"windows-1252",
         "a\x81"
         "b\x8D\x8F"
         "c",
         "a?b??c"},
        {"windows-1253", "\xC5\xAA\xEB", "Ε?λ"},
        {"Shift_JIS", "a\x82", "a?"},
        {"windows-1255", "\xF9\xD9\xEC\xE5\xED", "ש?לום"},
        {"windows-1252", "", ""},
    };
    for (const auto& c : cases) {
        std::string utf8 = "left over";
        ASSERT_TRUE(ConvertToUtf8(c.bytes, c.encoding, utf8)) << c.encoding;
        EXPECT_EQ(utf8, c.utf8) << c.encoding;
    }
}

TEST(InputEncodingTest, UnknownEncodingIsNotConverted) {
    std::string utf8;
    EXPECT_FALSE(ConvertToUtf8("abc", "x-no-such-encoding", utf8));
}

TEST(InputEncodingTest, LargeDocumentConvertsWhole) {
    // Far larger than one conversion chunk, with invalid bytes scattered through it.
    std::string bytes;
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        bytes += "\xE9t\xE9 ";
        expected += "été ";
        if (i % 997 == 0) {
            bytes += '\x81';
            expected += '?';
        }
    }
    std::string utf8;
    ASSERT_TRUE(ConvertToUtf8(bytes, "windows-1252", utf8));
    EXPECT_EQ(utf8.size(), expected.size());
    EXPECT_TRUE(utf8 == expected);
}

TEST(InputEncodingTest, ConvertedDocumentParsesWithItsCharacters) {
    const std::string bytes =
        "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
        "<gpx><wpt><name>\x8Atramberk \xE8\x61j</name></wpt></gpx>\r\n";
    ASSERT_FALSE(ParserReadsEncoding(bytes));
    std::string utf8;
    ASSERT_TRUE(ConvertToUtf8(bytes, DeclaredEncoding(bytes), utf8));

    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(utf8.data(), utf8.size()));
    EXPECT_STREQ(document.child("gpx").child("wpt").child_value("name"), "Štramberk čaj");
}

}  // namespace
}  // namespace corvane
