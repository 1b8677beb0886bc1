// Directory paths get exactly one trailing backslash.
#include "AddBackslash.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(AddBackslash, AppendsOnlyWhenTheLastCharacterIsNoBackslash) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"\\MM Icons", "\\MM Icons\\"},
        {"\\MM Icons\\", "\\MM Icons\\"},
        {"", "\\"},
        {"C:/Icons/", "C:/Icons/\\"},  // only a backslash counts
        {"Icons ", "Icons \\"},        // nothing is trimmed
        {"\\\\", "\\\\"},
        {"a\"b,c", "a\"b,c\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(AddBackslash(c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace corvane
