// Icon numbers for status codes (TypeCode, FoundCode, TravelBug): every kind in every family.
#include "IconNumber.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace {

TEST(IconNumber, EachKindInEachFamily) {
    // The icon for the kind's TypeCode in the states F, N, O, U without a travel bug, then with one.
    // clang-format off
    const std::pair<const char*, std::array<int, 8>> rows[] = {
        {"TR", {106, 206, 306, 406, 1106, 1206, 1306, 1406}},
        {"TE", {101, 201, 301, 401, 1101, 1201, 1301, 1401}},
        {"TL", {102, 202, 302, 402, 1102, 1202, 1302, 1402}},
        {"TI", {104, 204, 304, 404, 1104, 1204, 1304, 1404}},
        {"MR", {105, 205, 305, 405, 1105, 1205, 1305, 1405}},
        {"TU", {107, 207, 307, 407, 1107, 1207, 1307, 1407}},
        {"TV", {108, 208, 308, 408, 1106, 1206, 1306, 1406}},
        {"MW", {109, 209, 309, 409, 1105, 1205, 1305, 1405}},
        {"TA", {110, 210, 310, 410, 1106, 1206, 1306, 1406}},
        {"OR", {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
        {"MC", {121, 221, 321, 421, 1121, 1221, 1321, 1421}},
        {"TT", {122, 222, 306, 422, 1106, 1206, 1306, 1406}},
        {"OT", {122, 222, 320, 422, 1120, 1220, 1320, 1420}},
    };
    // clang-format on
    for (const auto& [kind, icons] : rows) {
        for (std::size_t i = 0; i < icons.size(); ++i) {
            const std::string code = kind + std::string(1, "FNOU"[i % 4]) + (i < 4 ? "N" : "Y");
            EXPECT_EQ(IconNumber(code), icons[i]) << code;
        }
    }
    // R shares N's icons without a travel bug; an empty FoundCode moves the travel-bug letter to
    // third place; only the first three characters and the last count.
    // clang-format off
    for (const auto& [code, icon] : {std::pair{"TIRN", 204}, {"TIRY", 206}, {"TIXN", 206}, {"TIN", 204}, {"TIY", 206},
                                     {"", 206}, {"tifn", 206}, {"TIFn", 1104}, {"TRSFN", 206}, {"TIFXN", 104}})
        EXPECT_EQ(IconNumber(code), icon) << code;
    // clang-format on
}

}  // namespace
}  // namespace corvane
