// Chooses the Memory Map icon of a waypoint from its status code.
#include "IconNumber.h"

#include <span>

namespace corvane {
namespace {

// One test of a family's list: when the character at position (1 or 2) of the status code
// is the letter, the icon becomes base + offset. Later matches replace earlier ones.
struct KindTest {
    int position;
    char letter;
    std::int16_t offset;
};

// Families without a travel bug.
constexpr KindTest kListA[] = {
    {2, 'E', 1},   // Event
    {2, 'L', 2},   // Letterbox
    {2, 'I', 4},   // Micro
    {1, 'M', 5},   // Multicache
    {2, 'T', 6},   // Traditional
    {2, 'U', 7},   // Unknown
    {2, 'V', 8},   // Virtual
    {2, 'W', 9},   // Webcam
    {2, 'A', 10},  // Earth
    {1, 'O', 20},  // MM (Motorway)
    {2, 'C', 21},  // Cito
    {2, 'T', 22},  // Trigpoint; there is no Trigpoint icon for caches placed by the user
};
constexpr std::span<const KindTest> kListAWithoutTrigpoint{kListA, 11};

// Families with a travel bug: there are no Virtual, Webcam, Earth or Trigpoint bug icons.
constexpr KindTest kListB[] = {
    {2, 'E', 1},   // Event
    {2, 'L', 2},   // Letterbox
    {2, 'I', 4},   // Micro
    {1, 'M', 5},   // Multicache
    {2, 'T', 6},   // Traditional
    {2, 'U', 7},   // Unknown
    {1, 'O', 20},  // MM (Motorway)
    {2, 'C', 21},  // Cito
};

// Families, chosen by the third character (state) and whether the last one is "N".
struct Family {
    char state;
    bool travelBug;
    std::int16_t base;
    std::span<const KindTest> tests;
};

// clang-format off
constexpr Family kFamilies[] = {
    {'F', false, 100, kListA},
    {'N', false, 200, kListA},
    {'R', false, 200, kListA},
    {'O', false, 300, kListAWithoutTrigpoint},
    {'U', false, 400, kListA},
    {'F', true, 1100, kListB},
    {'N', true, 1200, kListB},
    {'O', true, 1300, kListB},
    {'U', true, 1400, kListB},
};
// clang-format on

constexpr std::int16_t kNoFamily = 206;
constexpr std::int16_t kTraditional = 6;

// Character at a 1-based position, or '\0' beyond the end.
constexpr char At(std::string_view code, std::size_t position) {
    return position <= code.size() ? code[position - 1] : '\0';
}

}  // namespace

std::int16_t IconNumber(std::string_view StatusCode) {
    const bool travelBug = StatusCode.empty() || StatusCode.back() != 'N';
    const char state = At(StatusCode, 3);
    for (const Family& family : kFamilies) {
        if (family.state != state || family.travelBug != travelBug) continue;
        std::int16_t icon = 0;
        for (const KindTest& test : family.tests)
            if (At(StatusCode, test.position) == test.letter)
                icon = static_cast<std::int16_t>(family.base + test.offset);
        return icon != 0 ? icon : static_cast<std::int16_t>(family.base + kTraditional);
    }
    return kNoFamily;
}

}  // namespace corvane
