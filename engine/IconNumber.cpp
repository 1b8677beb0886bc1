// Chooses the Memory Map icon of a waypoint from its status code.
#include "IconNumber.h"

#include <algorithm>
#include <iterator>
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
constexpr std::int16_t kMicro = 4;
constexpr std::int16_t kBugFamilies = 1000;  // 1100 to 1400 are 100 to 400 with a travel bug

// Type texts, by how they start in any letter case: the kind's offset and the category word.
struct TypeKind {
    std::string_view start;
    std::int16_t offset;
    std::string_view category;
};

// clang-format off
constexpr TypeKind kTypeKinds[] = {
    {"Traditional",           6,  "Traditional"},  // Micro when the container is one
    {"Multi",                 5,  "Multi"},
    {"Unknown",               7,  "Unknown"},
    {"Mystery",               7,  "Unknown"},
    {"Puzzle",                7,  "Unknown"},
    {"Virtual",               8,  "Virtual"},
    {"Webcam",                9,  "Webcam"},
    {"Earth",                 10, "Earthcache"},
    {"Event",                 1,  "Event"},
    {"Mega-Event",            1,  "Event"},
    {"Giga-Event",            1,  "Event"},
    {"Community Celebration", 1,  "Event"},
    {"Cache In Trash Out",    21, "Cito"},
    {"CITO",                  21, "Cito"},
    {"Letterbox",             2,  "Letterbox"},
};
// clang-format on

// Character at a 1-based position, or '\0' beyond the end.
constexpr char At(std::string_view code, std::size_t position) {
    return position <= code.size() ? code[position - 1] : '\0';
}

constexpr char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) { return Upper(a) == Upper(b); });
}

// The family of a status code, read as IconNumber reads it; nullptr when it has none
const Family* FamilyOf(std::string_view StatusCode) {
    const bool travelBug = StatusCode.empty() || StatusCode.back() != 'N';
    const char state = At(StatusCode, 3);
    for (const Family& family : kFamilies)
        if (family.state == state && family.travelBug == travelBug) return &family;
    return nullptr;
}

// The kinds the travel-bug families have icons for are the kinds their tests name.
bool HasBugIcon(std::int16_t offset) {
    return std::any_of(std::begin(kListB), std::end(kListB), [&](const KindTest& t) { return t.offset == offset; });
}

}  // namespace

std::int16_t IconNumber(std::string_view StatusCode) {
    const Family* family = FamilyOf(StatusCode);
    if (family == nullptr) return kNoFamily;
    std::int16_t icon = 0;
    for (const KindTest& test : family->tests)
        if (At(StatusCode, test.position) == test.letter) icon = static_cast<std::int16_t>(family->base + test.offset);
    return icon != 0 ? icon : static_cast<std::int16_t>(family->base + kTraditional);
}

std::optional<TypeIcon> IconNumberByType(std::string_view CacheType, bool micro, std::string_view StatusCode) {
    const auto kind = std::find_if(std::begin(kTypeKinds), std::end(kTypeKinds),
                                   [&](const TypeKind& k) { return StartsWithIgnoringCase(CacheType, k.start); });
    if (kind == std::end(kTypeKinds)) return std::nullopt;
    const bool microTraditional = micro && kind->offset == kTraditional;
    const std::int16_t offset = microTraditional ? kMicro : kind->offset;
    const std::string_view category = microTraditional ? "Micro" : kind->category;
    const Family* family = FamilyOf(StatusCode);
    if (family == nullptr) return TypeIcon{kNoFamily, category};
    // A kind without travel-bug icons shows its plain icon: the bug is still in the listing.
    const std::int16_t base = family->travelBug && !HasBugIcon(offset)
                                  ? static_cast<std::int16_t>(family->base - kBugFamilies)
                                  : family->base;
    return TypeIcon{static_cast<std::int16_t>(base + offset), category};
}

}  // namespace corvane
