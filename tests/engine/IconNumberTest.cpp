// Icon numbers by container: every kind in every family, and records whose marks stand out of line.
#include "CacheRecord.h"
#include "IconNumber.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace {

using enum Container;
constexpr auto T = CacheType::Traditional, M = CacheType::Multi, O = CacheType::Motorway;
constexpr std::optional<State> F = State::Found, N = State::NotFound, Own = State::Own, None;

int Icon(std::optional<CacheType> type, std::vector<Container> containers, std::optional<State> found, bool bug) {
    CacheRecord record;
    record.Type = type;
    record.Containers = std::move(containers);
    record.Found = found;
    record.TravelBug = bug;
    return IconByContainer(record).number();
}

TEST(IconNumber, EachKindInEachFamily) {
    // Found, not found, own and (no found state, a second container Unknown) unavailable, without
    // a travel bug, then with one.
    const struct {
        CacheType type;
        Container container;
        std::array<int, 8> icons;
    } rows[] = {
        // clang-format off
        {T, Regular,    {106, 206, 306, 406, 1106, 1206, 1306, 1406}},
        {T, Event,      {101, 201, 301, 401, 1101, 1201, 1301, 1401}},
        {T, Letterbox,  {102, 202, 302, 402, 1102, 1202, 1302, 1402}},
        {M, Micro,      {105, 205, 305, 405, 1105, 1205, 1305, 1405}},
        {M, Unknown,    {107, 207, 307, 407, 1107, 1207, 1307, 1407}},
        {T, Virtual,    {108, 208, 308, 408, 1106, 1206, 1306, 1406}},
        {M, Webcam,     {109, 209, 309, 409, 1105, 1205, 1305, 1405}},
        {T, Earthcache, {110, 210, 310, 410, 1106, 1206, 1306, 1406}},
        {O, Regular,    {120, 220, 320, 420, 1120, 1220, 1320, 1420}},
        {O, Cito,       {121, 221, 321, 421, 1121, 1221, 1321, 1421}},
        {M, Trigpoint,  {122, 222, 306, 422, 1106, 1206, 1306, 1406}},
        {O, Trigpoint,  {122, 222, 320, 422, 1120, 1220, 1320, 1420}},
        // clang-format on
    };
    for (const auto& [type, container, icons] : rows) {
        for (std::size_t i = 0; i < icons.size(); ++i) {
            std::vector<Container> containers{container};
            if (i % 4 == 3) containers.push_back(Unknown);
            EXPECT_EQ(Icon(type, containers, std::array{F, N, Own, None}[i % 4], i >= 4), icons[i]) << icons[i];
        }
    }
}

TEST(IconNumber, MarksOutOfLineTakeTheFoundStatesPlace) {
    // The marks in line: type, containers, found state, travel bug; the third gives the family.
    const struct {
        std::optional<CacheType> type;
        std::vector<Container> containers;
        std::optional<State> found;
        bool bug;
        int icon;
    } rows[] = {
        // clang-format off
        {T, {Micro, Regular}, None, false, 204},  // a second container Regular reads as not found,
        {T, {Micro, Regular}, None, true, 206},   // but not with a travel bug;
        {T, {Micro, Other}, N, true, 1304},       // Other reads as own;
        {T, {Micro, AnyOther}, F, false, 206},    // others give no family
        {T, {Micro}, None, false, 204},           // no found state: the flag reads as not found,
        {T, {Micro}, None, true, 206},            // but not as a travel bug
        {{}, {Other}, F, false, 220},             // no type: the flag stands third, Other first as the Motorway series
        {{}, {Micro}, F, false, 206},             // and the found state second
        {{}, {}, F, false, 206},
        // clang-format on
    };
    for (const auto& row : rows) EXPECT_EQ(Icon(row.type, row.containers, row.found, row.bug), row.icon) << row.icon;
}

}  // namespace
}  // namespace corvane
