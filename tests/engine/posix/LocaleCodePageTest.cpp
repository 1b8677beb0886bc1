// The system's code page on POSIX systems: from the language of the locale variables.
#include "TextEncoder.h"
#include "posix/LocaleCodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvane {
namespace {

TEST(LocaleCodePage, TheSystemCodePageFollowsTheLocale) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"cs_CZ.UTF-8", "windows-1250"},
        {"sr_RS@latin", "windows-1250"},
        {"sr_RS.UTF-8", "windows-1251"},
        {"C.UTF-8", "windows-1252"},
    };
    for (const auto& [locale, codePage] : rows) EXPECT_EQ(CodePageForLocale(locale), codePage) << locale;

    // The first variable that is set and not empty decides; the process's own values are put back.
    const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    std::string saved[3];
    for (int i = 0; i < 3; ++i) saved[i] = std::getenv(names[i]) ? std::getenv(names[i]) : "";
    setenv("LC_ALL", "", 1);
    setenv("LC_CTYPE", "ru_RU.UTF-8", 1);
    setenv("LANG", "el_GR.UTF-8", 1);
    EXPECT_EQ(DefaultCodePage(), "windows-1251");
    setenv("LC_ALL", "pl_PL", 1);
    EXPECT_EQ(TextEncoder("latin2").codePage(), "windows-1250");  // an unknown name means the system's
    for (int i = 0; i < 3; ++i) setenv(names[i], saved[i].c_str(), 1);
}

}  // namespace
}  // namespace corvane
