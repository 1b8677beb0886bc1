// Icon numbers for status codes, checked against the whole decision table.
#include "IconNumber.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace corvane {
namespace {

// One row of the table: second and first character of the status code, then the icon for
// the states F, N, O, U without a travel bug and F, N, O, U with one. 'x' stands for a
// letter no test names, '\0' for a missing character.
struct Row {
    char second;
    char first;
    std::array<int, 8> icons;
};

// clang-format off
constexpr Row kTable[] = {
    {'E', 'M', {105, 205, 305, 405, 1105, 1205, 1305, 1405}},
    {'E', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'E', 'x', {101, 201, 301, 401, 1101, 1201, 1301, 1401}},
    {'L', 'M', {105, 205, 305, 405, 1105, 1205, 1305, 1405}},
    {'L', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'L', 'x', {102, 202, 302, 402, 1102, 1202, 1302, 1402}},
    {'I', 'M', {105, 205, 305, 405, 1105, 1205, 1305, 1405}},
    {'I', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'I', 'x', {104, 204, 304, 404, 1104, 1204, 1304, 1404}},
    {'T', 'M', {122, 222, 306, 422, 1106, 1206, 1306, 1406}},
    {'T', 'O', {122, 222, 320, 422, 1120, 1220, 1320, 1420}},
    {'T', 'x', {122, 222, 306, 422, 1106, 1206, 1306, 1406}},
    {'U', 'M', {107, 207, 307, 407, 1107, 1207, 1307, 1407}},
    {'U', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'U', 'x', {107, 207, 307, 407, 1107, 1207, 1307, 1407}},
    {'V', 'M', {108, 208, 308, 408, 1105, 1205, 1305, 1405}},
    {'V', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'V', 'x', {108, 208, 308, 408, 1106, 1206, 1306, 1406}},
    {'W', 'M', {109, 209, 309, 409, 1105, 1205, 1305, 1405}},
    {'W', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'W', 'x', {109, 209, 309, 409, 1106, 1206, 1306, 1406}},
    {'A', 'M', {110, 210, 310, 410, 1105, 1205, 1305, 1405}},
    {'A', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'A', 'x', {110, 210, 310, 410, 1106, 1206, 1306, 1406}},
    {'C', 'M', {121, 221, 321, 421, 1121, 1221, 1321, 1421}},
    {'C', 'O', {121, 221, 321, 421, 1121, 1221, 1321, 1421}},
    {'C', 'x', {121, 221, 321, 421, 1121, 1221, 1321, 1421}},
    {'x', 'M', {105, 205, 305, 405, 1105, 1205, 1305, 1405}},
    {'x', 'O', {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
    {'x', 'x', {106, 206, 306, 406, 1106, 1206, 1306, 1406}},
};
// clang-format on

// Letters that stand for "any other" in the table.
constexpr char kOtherSeconds[] = {'R', 'S', 'G', 'O', 'X', 'M'};
constexpr char kOtherFirsts[] = {'T', 'I', 'U', 'D', 'V', 'L', 'E', 'W', 'X'};

TEST(IconNumber, MatchesEveryCellOfTheTable) {
    constexpr char kStates[] = {'F', 'N', 'O', 'U'};
    for (const Row& row : kTable) {
        std::string seconds = row.second == 'x' ? std::string(std::begin(kOtherSeconds), std::end(kOtherSeconds))
                                                : std::string(1, row.second);
        std::string firsts = row.first == 'x' ? std::string(std::begin(kOtherFirsts), std::end(kOtherFirsts))
                                              : std::string(1, row.first);
        for (char second : seconds) {
            for (char first : firsts) {
                for (int column = 0; column < 8; ++column) {
                    const char state = kStates[column % 4];
                    const char bug = column < 4 ? 'N' : 'Y';
                    const std::string code{first, second, state, bug};
                    EXPECT_EQ(IconNumber(code), row.icons[static_cast<std::size_t>(column)]) << code;
                    // R shares the N family without a travel bug and has none with one.
                    if (state == 'N') {
                        const std::string r{first, second, 'R', bug};
                        EXPECT_EQ(IconNumber(r), bug == 'N' ? row.icons[static_cast<std::size_t>(column)] : 206) << r;
                    }
                }
            }
        }
    }
}

TEST(IconNumber, ShortLongAndLowerCaseCodes) {
    // An empty FoundCode moves the travel-bug letter to third place; only positions 1-3 and the last count.
    const std::pair<const char*, int> rows[] = {{"TIN", 204}, {"TIY", 206},  {"", 206},       {"N", 206},
                                                {"tifn", 206}, {"TIFn", 1104}, {"TRSFN", 206}, {"TIFXN", 104}};
    for (const auto& [code, icon] : rows) EXPECT_EQ(IconNumber(code), icon) << code;
}

}  // namespace
}  // namespace corvane
