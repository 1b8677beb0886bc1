// Every icon bitmap Corvane ships, drawn in memory.
#include "IconSet.h"

#include "ChildWaypoints.h"
#include "DrawIcon.h"
#include "IconTable.h"

#include <algorithm>
#include <array>
#include <optional>

namespace corvane::icons {
namespace {

struct Kind {
    int offset;  // the kind offset of the icon number
    Symbol symbol;
    bool waypoint;  // drawn in the child waypoints' scheme whatever its family
};

// clang-format off
const std::array<Kind, 13> kKinds{{
    {1,  kEventSymbol,       false},
    {2,  kLetterboxSymbol,   false},
    {4,  kMicroSymbol,       false},
    {5,  kMulticacheSymbol,  false},
    {6,  kTraditionalSymbol, false},
    {7,  kUnknownSymbol,     false},
    {8,  kVirtualSymbol,     false},
    {9,  kWebcamSymbol,      false},
    {10, kEarthSymbol,       false},
    {20, kMotorwaySymbol,    false},
    {21, kCitoSymbol,        false},
    {22, kTrigpointSymbol,   false},
    {23, kParkingSymbol,     true},
}};
// clang-format on

// The family bases 100 to 400 are the states F, N, O and U; 1100 to 1400 add a travel bug.
constexpr std::string_view kStateLetters = "FNOU";

// The icon of an icon table entry, drawn from its number; nothing for a kind without a symbol
std::optional<Icon> DrawTableIcon(const IconEntry& entry) {
    const int offset = entry.number % 100;
    const int family = entry.number / 100;
    const auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](const Kind& k) { return k.offset == offset; });
    if (kind == kKinds.end()) return std::nullopt;
    const Scheme scheme = kind->waypoint ? kWaypointScheme : SchemeOfState(kStateLetters[family % 10 - 1]);
    return Icon{entry.bitmap, DrawIcon(kind->symbol, scheme, family > 10)};
}

}  // namespace

std::vector<Icon> IconSet() {
    std::vector<Icon> icons;
    for (const IconEntry& entry : kIconTable) {
        if (std::optional<Icon> icon = DrawTableIcon(entry)) icons.push_back(*icon);
    }
    // Child icons already drawn (parking among the 80, a stage named twice) are not drawn again.
    for (const ChildIcon& child : kChildIcons) {
        const auto drawn = [&](const Icon& icon) { return icon.bitmap == child.bitmap; };
        const auto symbol = std::find_if(kChildWaypointSymbols.begin(), kChildWaypointSymbols.end(),
                                         [&](const ChildWaypointSymbol& s) { return s.number == child.number; });
        if (symbol == kChildWaypointSymbols.end() || std::any_of(icons.begin(), icons.end(), drawn)) continue;
        icons.push_back({child.bitmap, DrawIcon(symbol->symbol, kWaypointScheme, false)});
    }
    return icons;
}

}  // namespace corvane::icons
