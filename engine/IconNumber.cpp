// Tables read from the top: the state and travel-bug letters pick a family row, its letter tests the kind.
#include "IconNumber.h"

#include "AsciiCase.h"
#include "IconTable.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace corvane {
namespace {

// One test of a family's list: when the character at position (1 or 2) of the status code
// is the letter, the icon becomes the family's icon of the kind. Later matches replace earlier ones.
struct KindTest {
    int position;
    char letter;
    Kind kind;
};

// Families without a travel bug.
// clang-format off
constexpr KindTest kListA[] = {
    {2, 'E', Kind::Event},
    {2, 'L', Kind::Letterbox},
    {2, 'I', Kind::Micro},
    {1, 'M', Kind::Multicache},
    {2, 'T', Kind::Traditional},
    {2, 'U', Kind::Unknown},
    {2, 'V', Kind::Virtual},
    {2, 'W', Kind::Webcam},
    {2, 'A', Kind::Earth},
    {1, 'O', Kind::Motorway},
    {2, 'C', Kind::Cito},
    {2, 'T', Kind::Trigpoint},  // there is no Trigpoint icon for caches placed by the user
};
// clang-format on
constexpr std::span<const KindTest> kListAWithoutTrigpoint{kListA, 11};

// Families with a travel bug: there are no Virtual, Webcam, Earth or Trigpoint bug icons.
// clang-format off
constexpr KindTest kListB[] = {
    {2, 'E', Kind::Event},
    {2, 'L', Kind::Letterbox},
    {2, 'I', Kind::Micro},
    {1, 'M', Kind::Multicache},
    {2, 'T', Kind::Traditional},
    {2, 'U', Kind::Unknown},
    {1, 'O', Kind::Motorway},
    {2, 'C', Kind::Cito},
};
// clang-format on

// How a status code's third character (state) and last character ("N": no travel bug) choose
// the family and its list of tests.
struct StatusFamily {
    char state;
    bool travelBug;
    Family family;
    std::span<const KindTest> tests;
};

// clang-format off
constexpr StatusFamily kFamilies[] = {
    {'F', false, {'F', false}, kListA},
    {'N', false, {'N', false}, kListA},
    {'R', false, {'N', false}, kListA},
    {'O', false, {'O', false}, kListAWithoutTrigpoint},
    {'U', false, {'U', false}, kListA},
    {'F', true,  {'F', true},  kListB},
    {'N', true,  {'N', true},  kListB},
    {'O', true,  {'O', true},  kListB},
    {'U', true,  {'U', true},  kListB},
};
// clang-format on

constexpr std::int16_t kNoFamily = EncodeIcon({'N', false}, Kind::Traditional);

// Type texts, by how they start in any letter case: the kind and the category word.
struct TypeRow {
    std::string_view start;
    Kind kind;
    std::string_view category;
};

// Types of their own that share a kind's icon: a Wherigo's cache lies where its cartridge
// leads, like a mystery's; labs and locationless caches have no container to find; a
// benchmark is a survey mark, as a trig point is. "Other" says nothing: its container decides.
// clang-format off
constexpr TypeRow kTypeRows[] = {
    {"Traditional",           Kind::Traditional, "Traditional"},  // Micro when the container is one
    {"Project APE",           Kind::Traditional, "Traditional"},
    {"Multi",                 Kind::Multicache,  "Multi"},
    {"Unknown",               Kind::Unknown,     "Unknown"},
    {"Mystery",               Kind::Unknown,     "Unknown"},
    {"Puzzle",                Kind::Unknown,     "Unknown"},
    {"Wherigo",               Kind::Unknown,     "Unknown"},
    {"Virtual",               Kind::Virtual,     "Virtual"},
    {"Lab Cache",             Kind::Virtual,     "Virtual"},
    {"Locationless",          Kind::Virtual,     "Virtual"},
    {"Webcam",                Kind::Webcam,      "Webcam"},
    {"Earth",                 Kind::Earth,       "Earthcache"},
    {"Event",                 Kind::Event,       "Event"},
    {"Mega-Event",            Kind::Event,       "Event"},
    {"Giga-Event",            Kind::Event,       "Event"},
    {"Community Celebration", Kind::Event,       "Event"},
    {"Lost and Found",        Kind::Event,       "Event"},
    {"Cache In Trash Out",    Kind::Cito,        "Cito"},
    {"CITO",                  Kind::Cito,        "Cito"},
    {"Letterbox",             Kind::Letterbox,   "Letterbox"},
    {"Benchmark",             Kind::Trigpoint,   "Trigpoint"},
};
// clang-format on

// Character at a 1-based position, or '\0' beyond the end.
constexpr char At(std::string_view code, std::size_t position) {
    return position <= code.size() ? code[position - 1] : '\0';
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && std::equal(start.begin(), start.end(), text.begin(),
                                                     [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

// The family row of a status code, read as IconNumber reads it; nullptr when it has none
const StatusFamily* FamilyRow(std::string_view StatusCode) {
    const bool travelBug = StatusCode.empty() || StatusCode.back() != 'N';
    const char state = At(StatusCode, 3);
    for (const StatusFamily& row : kFamilies)
        if (row.state == state && row.travelBug == travelBug) return &row;
    return nullptr;
}

bool HasIconLine(std::int16_t number) {
    return std::any_of(kIconTable.begin(), kIconTable.end(),
                       [&](const IconEntry& icon) { return icon.number == number; });
}

}  // namespace

std::int16_t IconNumber(std::string_view StatusCode) {
    const StatusFamily* row = FamilyRow(StatusCode);
    if (row == nullptr) return kNoFamily;
    Kind kind = Kind::Traditional;
    for (const KindTest& test : row->tests)
        if (At(StatusCode, test.position) == test.letter) kind = test.kind;
    return EncodeIcon(row->family, kind);
}

std::optional<Family> FamilyOfStatus(std::string_view StatusCode) {
    const StatusFamily* row = FamilyRow(StatusCode);
    if (row == nullptr) return std::nullopt;
    return row->family;
}

std::optional<TypeKind> KindOfType(std::string_view CacheType, bool micro) {
    const auto row = std::find_if(std::begin(kTypeRows), std::end(kTypeRows),
                                  [&](const TypeRow& r) { return StartsWithIgnoringCase(CacheType, r.start); });
    if (row == std::end(kTypeRows)) return std::nullopt;
    if (micro && row->kind == Kind::Traditional) return TypeKind{Kind::Micro, "Micro"};
    return TypeKind{row->kind, row->category};
}

std::int16_t IconInFamily(Family family, Kind kind) {
    // A kind without travel-bug icons shows its plain icon: the bug is still in the listing.
    for (const Family candidate : {family, Family{family.state, false}}) {
        const std::int16_t icon = EncodeIcon(candidate, kind);
        if (HasIconLine(icon)) return icon;
    }
    return EncodeIcon(family, Kind::Traditional);
}

}  // namespace corvane
