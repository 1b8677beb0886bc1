// A table of languages and their code pages, read by the locale name's language part.
#include "LocaleCodePage.h"

#include "AsciiCase.h"

#include <array>

namespace corvane {
namespace {

struct LanguageCodePage {
    std::string_view language;
    std::string_view codePage;
};

// Languages whose text the system's 8-bit code page is made for; every other language gets 1252.
constexpr std::array kLanguageCodePages{
    LanguageCodePage{"cs", "windows-1250"}, LanguageCodePage{"sk", "windows-1250"},
    LanguageCodePage{"pl", "windows-1250"}, LanguageCodePage{"hu", "windows-1250"},
    LanguageCodePage{"sl", "windows-1250"}, LanguageCodePage{"hr", "windows-1250"},
    LanguageCodePage{"ro", "windows-1250"}, LanguageCodePage{"sq", "windows-1250"},
    LanguageCodePage{"bs", "windows-1250"}, LanguageCodePage{"ru", "windows-1251"},
    LanguageCodePage{"uk", "windows-1251"}, LanguageCodePage{"bg", "windows-1251"},
    LanguageCodePage{"be", "windows-1251"}, LanguageCodePage{"mk", "windows-1251"},
    LanguageCodePage{"sr", "windows-1251"}, LanguageCodePage{"el", "windows-1253"},
    LanguageCodePage{"tr", "windows-1254"}, LanguageCodePage{"az", "windows-1254"},
    LanguageCodePage{"he", "windows-1255"}, LanguageCodePage{"ar", "windows-1256"},
    LanguageCodePage{"fa", "windows-1256"}, LanguageCodePage{"ur", "windows-1256"},
    LanguageCodePage{"lt", "windows-1257"}, LanguageCodePage{"lv", "windows-1257"},
    LanguageCodePage{"et", "windows-1257"}, LanguageCodePage{"vi", "windows-1258"},
};

// Serbian is written in both scripts; its Latin form ("sr_RS@latin", "sr-Latn") uses Central European text.
bool IsLatinSerbian(std::string_view locale) {
    const std::string lower = AsciiLowercase(locale);
    return lower.find("@latin") != std::string::npos || lower.find("latn") != std::string::npos;
}

}  // namespace

std::string CodePageForLocale(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@-"));
    const std::string lower = AsciiLowercase(language);
    if (lower == "sr" && IsLatinSerbian(locale)) return "windows-1250";
    for (const auto& row : kLanguageCodePages) {
        if (row.language == lower) return std::string(row.codePage);
    }
    return "windows-1252";
}

}  // namespace corvane
