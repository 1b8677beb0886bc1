// Tests of the output code pages: names, the system default and the text written in each.
#include "TextEncoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace corvane {
namespace {

std::string Encoded(std::string_view codePage, std::string_view utf8) {
    TextEncoder encoder(codePage);
    std::string out;
    encoder.Encode(utf8, out);
    return out;
}

TEST(TextEncoderTest, CanonicalCodePageNames) {
    const struct {
        std::string_view given;
        std::string_view canonical;
    } cases[] = {
        {"windows-1252", "windows-1252"},
        {"Windows-1250", "windows-1250"},
        {"WINDOWS-1258", "windows-1258"},
        {"cp1251", "windows-1251"},
        {"CP1257", "windows-1257"},
        {"utf-8", "utf-8"},
        {"UTF8", "utf-8"},
        {"Utf-8", "utf-8"},
        {"windows-1259", ""},
        {"cp1249", ""},
        {"cp125", ""},
        {"windows-12520", ""},
        {"iso-8859-1", ""},
        {"", ""},
        {"1252", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanonicalCodePage(c.given), c.canonical) << c.given;
    }
}

TEST(TextEncoderTest, CodePageForLocale) {
    const struct {
        std::string_view locale;
        std::string_view codePage;
    } cases[] = {
        {"cs_CZ.UTF-8", "windows-1250"},
        {"sk_SK", "windows-1250"},
        {"pl_PL.ISO-8859-2", "windows-1250"},
        {"hu_HU", "windows-1250"},
        {"sr_RS@latin", "windows-1250"},
        {"sr_RS.UTF-8@latin", "windows-1250"},
        {"sr-Latn", "windows-1250"},
        {"sr_RS", "windows-1251"},
        {"sr_RS.UTF-8", "windows-1251"},
        {"ru_RU.UTF-8", "windows-1251"},
        {"uk_UA", "windows-1251"},
        {"el_GR.UTF-8", "windows-1253"},
        {"tr_TR", "windows-1254"},
        {"az_AZ", "windows-1254"},
        {"he_IL.UTF-8", "windows-1255"},
        {"fa_IR", "windows-1256"},
        {"lv_LV", "windows-1257"},
        {"et_EE.UTF-8", "windows-1257"},
        {"vi_VN", "windows-1258"},
        {"C", "windows-1252"},
        {"C.UTF-8", "windows-1252"},
        {"POSIX", "windows-1252"},
        {"en_US", "windows-1252"},
        {"de_DE.UTF-8", "windows-1252"},
        {"ca_ES@valencia", "windows-1252"},
        {"", "windows-1252"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodePageForLocale(c.locale), c.codePage) << c.locale;
    }
}

#ifndef _WIN32
// Sets the locale variables for one test and puts the process's own values back afterwards.
class TextEncoderLocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            const char* value = std::getenv(kNames[i]);
            saved_[i] = value ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(kNames[i]);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (saved_[i]) {
                setenv(kNames[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kNames[i]);
            }
        }
    }

    static constexpr const char* kNames[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    std::optional<std::string> saved_[std::size(kNames)];
};

TEST_F(TextEncoderLocaleTest, FirstNonEmptyVariableDecides) {
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_ALL", "cs_CZ.UTF-8", 1);
    EXPECT_EQ(DefaultCodePage(), "windows-1250");

    setenv("LC_ALL", "", 1);
    setenv("LC_CTYPE", "ru_RU.UTF-8", 1);
    EXPECT_EQ(DefaultCodePage(), "windows-1251");

    unsetenv("LC_CTYPE");
    setenv("LANG", "el_GR.UTF-8", 1);
    EXPECT_EQ(DefaultCodePage(), "windows-1253");

    unsetenv("LANG");
    EXPECT_EQ(DefaultCodePage(), "windows-1252");
}

TEST_F(TextEncoderLocaleTest, EmptyOrUnknownNameUsesTheSystemCodePage) {
    setenv("LANG", "pl_PL.UTF-8", 1);
    EXPECT_EQ(TextEncoder().codePage(), "windows-1250");
    EXPECT_EQ(TextEncoder("latin2").codePage(), "windows-1250");
    EXPECT_EQ(TextEncoder("CP1251").codePage(), "windows-1251");
    EXPECT_EQ(Encoded("", "Łódź"), "\xA3\xF3\x64\x9F");
}
#endif

TEST(TextEncoderTest, TextInEachCodePage) {
    const struct {
        std::string_view codePage;
        std::string_view utf8;
        std::string_view bytes;
    } cases[] = {
        {"windows-1252", "N49 12.345 Cache #1, \"A\"", "N49 12.345 Cache #1, \"A\""},
        {"windows-1252", "Müller", "\x4D\xFC\x6C\x6C\x65\x72"},
        {"windows-1252", "€ – “Ÿ”", "\x80 \x96 \x93\x9F\x94"},
        {"windows-1252", "Košice", "Ko\x9A\x69\x63\x65"},
        {"windows-1252", "Děčín", "Dec\xEDn"},
        {"windows-1252", "ő ť Ž", "o t \x8E"},
        {"windows-1250", "Děčín", "D\xEC\xE8\xEDn"},
        {"windows-1250", "Łódź", "\xA3\xF3\x64\x9F"},
        {"windows-1251", "Москва", "\xCC\xEE\xF1\xEA\xE2\xE0"},
        {"windows-1251", "Müller", "Muller"},
        {"windows-1253", "Ελλάδα", "\xC5\xEB\xEB\xDC\xE4\xE1"},
        {"windows-1253", "ἒρνος", "\xE5\xF1\xED\xEF\xF2"},
        {"windows-1252", "ἒρνος", "?????"},
        {"windows-1254", "İstanbul ğ", "\xDDstanbul \xF0"},
        {"windows-1255", "שלום", "\xF9\xEC\xE5\xED"},
        {"windows-1256", "مرحبا", "\xE3\xD1\xCD\xC8\xC7"},
        {"windows-1257", "Šiauliai ą", "\xD0iauliai \xE0"},
        {"windows-1258", "Việt", "Vi\xEA\xF2t"},
        {"windows-1252", "\xF0\x9F\x98\x80", "?"},
        {"windows-1252", "a‖b", "a?b"},
        {"windows-1252", "東京", "??"},
        {"windows-1252", "\t\x01\x1F\x7F", "\t\x01\x1F\x7F"},
        {"utf-8", "Košice 😀 ‖ Ελλάδα\r\n\tend", "Košice 😀 ‖ Ελλάδα\r\n\tend"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encoded(c.codePage, c.utf8), c.bytes) << c.codePage << ": " << c.utf8;
    }
}

TEST(TextEncoderTest, InvalidUtf8BecomesQuestionMarks) {
    const struct {
        std::string_view utf8;
        std::string_view windows1252;
        std::string_view asUtf8;
    } cases[] = {
        {"A\xFF"
         "B",
         "A?B", "A?B"},
        {"A\xC3", "A?", "A?"},
        {"\xC3(", "?(", "?("},
        {"\xE2\x82"
         "A",
         "??A", "??A"},
        {"\xC0\xAF", "??", "??"},
        {"\xED\xA0\x80", "???", "???"},
        {"\xF4\x90\x80\x80", "????", "????"},
        {"\x80\x80\xC3\xA9", "??\xE9", "??\xC3\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encoded("windows-1252", c.utf8), c.windows1252);
        EXPECT_EQ(Encoded("utf-8", c.utf8), c.asUtf8);
    }
}

TEST(TextEncoderTest, NoLineBreaksFromOtherCharacters) {
    // Line separator, paragraph separator and NEL must not split a CSV line.
    for (const std::string_view codePage : {"windows-1250", "windows-1252", "windows-1258"}) {
        EXPECT_EQ(Encoded(codePage, "a\u2028b\u2029c\u0085d"), "a?b?c?d") << codePage;
        EXPECT_EQ(Encoded(codePage, "a\r\nb"), "a\r\nb") << codePage;
    }
}

TEST(TextEncoderTest, AppendsAndGivesTheSameBytesOnEveryCall) {
    TextEncoder encoder("windows-1250");
    std::string out = "x";
    encoder.Encode("čőč", out);
    encoder.Encode("č", out);
    encoder.Encode("ő😀ő", out);
    EXPECT_EQ(out, "x\xE8\xF5\xE8\xE8\xF5?\xF5");
}

TEST(TextEncoderTest, NoStateCarriesOverBetweenCharacters) {
    // The Vietnamese and Hebrew converters join marks to letters; each character must stand alone.
    const std::string_view characters[] = {"ệ", "\u0301", "a", "ĕ", "é", "\u05B8", "ש", "\u05B8", "Ạ", "\u0300"};
    for (const std::string_view codePage : {"windows-1258", "windows-1255"}) {
        TextEncoder encoder(codePage);
        std::string together;
        std::string alone;
        for (const auto character : characters) {
            encoder.Encode(character, together);
            alone += Encoded(codePage, character);
        }
        EXPECT_EQ(together, alone) << codePage;
    }
    EXPECT_EQ(Encoded("windows-1258", "ệa"),
              "\xEA\xF2"
              "a");
}

}  // namespace
}  // namespace corvane
