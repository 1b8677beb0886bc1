// The code page on POSIX systems: the system's follows the locale, and where the C library cannot
// convert into the one asked for, the CSV file is written in windows-1252 and the "?" line says so.
#include "Messages.h"
#include "Support.h"
#include "TextEncoder.h"
#include "posix/LocaleCodePage.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdlib>

namespace {
const char* gMissing = nullptr;  // the code page iconv_open refuses, as a system without it would
}

// In front of the C library's, for the engine linked into this program.
extern "C" iconv_t iconv_open(const char* to, const char* from) {
    using Open = iconv_t (*)(const char*, const char*);
    static const auto open = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
    if (gMissing == nullptr || std::string_view(to) != gMissing) return open(to, from);
    errno = EINVAL;
    return reinterpret_cast<iconv_t>(-1);
}

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

    RunResult result;
    gMissing = "windows-1258";
    testing::Convert("<gpx><wpt><name>Ж</name></wpt></gpx>", testing::TestSettings(), "windows-1258", &result);
    gMissing = nullptr;
    EXPECT_EQ(SubstitutedLine(result.substituted, result.codePage),
              "3 characters not in windows-1252 written as \"?\"");
}

}  // namespace
}  // namespace corvane
