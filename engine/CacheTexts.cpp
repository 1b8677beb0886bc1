// The type table and the container table, each row named by how its text begins.
#include "CacheTexts.h"

#include "AsciiCase.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

// Both tables compare a text's first four letters with a row's: the key.
constexpr std::size_t kKeyLength = 4;

constexpr bool KeyMatches(std::string_view text, std::string_view start) {
    return StartsWithIgnoringCase(text, start.substr(0, kKeyLength));
}

// Every row has a whole key of its own, so that the order of the rows decides nothing.
template <typename Row, std::size_t N>
constexpr bool KeysDistinct(const std::array<Row, N>& rows) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].start.size() < kKeyLength) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (KeyMatches(rows[i].start, rows[j].start)) return false;
    }
    return true;
}

// Type texts: the cache type by the first four letters (the container rule), the kind and its
// category by the whole start (icons by cache type). Types of their own share a kind's icon: a
// Wherigo's cache lies where its cartridge leads, like a mystery's; labs and locationless caches
// have no container to find; a benchmark is a survey mark, as a trig point is. "Other" says
// nothing: its container decides.
struct TypeRow {
    std::string_view start;
    CacheType type;
    std::optional<Kind> kind;
    std::string_view category;
};

// clang-format off
constexpr auto kTypeRows = std::to_array<TypeRow>({
    {"Traditional",             CacheType::Traditional, Kind::Traditional, "Traditional"},  // Micro in a micro container
    {"Micro",                   CacheType::Micro,       {},                {}},
    {"Multi",                   CacheType::Multi,       Kind::Multicache,  "Multi"},
    {"Unknown",                 CacheType::Unknown,     Kind::Unknown,     "Unknown"},
    {"Temporarily unavailable", CacheType::Unavailable, {},                {}},
    {"Virtual",                 CacheType::Virtual,     Kind::Virtual,     "Virtual"},
    {"Letterbox",               CacheType::Letterbox,   Kind::Letterbox,   "Letterbox"},
    {"Earth",                   CacheType::Earthcache,  Kind::Earth,       "Earthcache"},
    {"Webcam",                  CacheType::Webcam,      Kind::Webcam,      "Webcam"},
    {"Project APE",             CacheType::AnyOther,    Kind::Traditional, "Traditional"},
    {"Mystery",                 CacheType::AnyOther,    Kind::Unknown,     "Unknown"},
    {"Puzzle",                  CacheType::AnyOther,    Kind::Unknown,     "Unknown"},
    {"Wherigo",                 CacheType::AnyOther,    Kind::Unknown,     "Unknown"},
    {"Lab Cache",               CacheType::AnyOther,    Kind::Virtual,     "Virtual"},
    {"Locationless",            CacheType::AnyOther,    Kind::Virtual,     "Virtual"},
    {"Event",                   CacheType::AnyOther,    Kind::Event,       "Event"},
    {"Mega-Event",              CacheType::AnyOther,    Kind::Event,       "Event"},
    {"Giga-Event",              CacheType::AnyOther,    Kind::Event,       "Event"},
    {"Community Celebration",   CacheType::AnyOther,    Kind::Event,       "Event"},
    {"Lost and Found",          CacheType::AnyOther,    Kind::Event,       "Event"},
    {"Cache In Trash Out",      CacheType::AnyOther,    Kind::Cito,        "Cito"},
    {"CITO",                    CacheType::AnyOther,    Kind::Cito,        "Cito"},
    {"Benchmark",               CacheType::AnyOther,    Kind::Trigpoint,   "Trigpoint"},
});
// clang-format on
static_assert(KeysDistinct(kTypeRows));

struct ContainerRow {
    std::string_view start;
    Container container;
};

// clang-format off
constexpr auto kContainerRows = std::to_array<ContainerRow>({
    {"Micro",      Container::Micro},
    {"Small",      Container::Small},
    {"Regular",    Container::Regular},
    {"Large",      Container::Large},
    {"Unknown",    Container::Unknown},
    {"Other",      Container::Other},
    {"Not chosen", Container::Other},
    {"Virtual",    Container::Virtual},
    {"Event",      Container::Event},
    {"Letterbox",  Container::Letterbox},
    {"CITO",       Container::Cito},
    {"Webcam",     Container::Webcam},
    {"Earthcache", Container::Earthcache},
    {"Trigpoint",  Container::Trigpoint},
});
// clang-format on
static_assert(KeysDistinct(kContainerRows));

}  // namespace

CacheType TypeOfText(std::string_view typeText) {
    for (const TypeRow& row : kTypeRows)
        if (KeyMatches(typeText, row.start)) return row.type;
    return CacheType::AnyOther;
}

Container ContainerOfText(std::string_view containerText) {
    for (const ContainerRow& row : kContainerRows)
        if (KeyMatches(containerText, row.start)) return row.container;
    return Container::AnyOther;
}

std::optional<TypeKind> KindOfType(std::string_view typeText, bool micro) {
    const auto row = std::find_if(kTypeRows.begin(), kTypeRows.end(), [&](const TypeRow& r) {
        return r.kind && StartsWithIgnoringCase(typeText, r.start);
    });
    if (row == kTypeRows.end()) return std::nullopt;
    if (micro && row->kind == Kind::Traditional) return TypeKind{Kind::Micro, "Micro"};
    return TypeKind{*row->kind, row->category};
}

}  // namespace corvane
