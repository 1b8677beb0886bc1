// The CSV name made from a GPX name.
#include "OutputName.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(OutputName, ReplacesTheLastThreeCharactersWhateverTheyAre) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"C:\\Caches\\week.gpx", "C:\\Caches\\week.csv"},
        {"C:\\CACHES\\WEEK.GPX", "C:\\CACHES\\WEEK.csv"},  // the new ending is always lower case
        {"C:\\Caches\\week.xml", "C:\\Caches\\week.csv"},
        {"C:\\Caches\\week", "C:\\Caches\\wcsv"},  // no dot is looked for
        {"C:\\Caches\\week.gpx ", "C:\\Caches\\week.gcsv"},
        {"C:\\", "csv"},
        {"C:\\Cachés\\été.gpx", "C:\\Cachés\\été.csv"},
        {"week.güx", "week.csv"},  // characters, not bytes
        {"a€€€", "acsv"},
        {"C:\\week\U0001F600\U0001F600\U0001F600", "C:\\weekcsv"},
        {"ab", std::nullopt},
        {"Mü", std::nullopt},  // three bytes, but two characters
        {"", std::nullopt},
    };
    for (const auto& [gpx, csv] : cases) EXPECT_EQ(OutputName(gpx), csv) << gpx;
}

}  // namespace
}  // namespace corvane
