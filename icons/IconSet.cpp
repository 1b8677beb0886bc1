// The icon table's entries drawn by kind and family, then the child waypoints' icons not drawn already.
#include "IconSet.h"

#include "ChildWaypoints.h"
#include "DrawIcon.h"
#include "IconTable.h"
#include "Kind.h"

#include <algorithm>
#include <array>
#include <optional>

namespace corvane::icons {
namespace {

struct KindSymbol {
    Kind kind;
    Symbol symbol;
    bool waypoint;  // drawn in the child waypoints' scheme whatever its family
};

// clang-format off
const auto kKindSymbols = std::to_array<KindSymbol>({
    {Kind::Event,       kEventSymbol,       false},
    {Kind::Letterbox,   kLetterboxSymbol,   false},
    {Kind::Micro,       kMicroSymbol,       false},
    {Kind::Multicache,  kMulticacheSymbol,  false},
    {Kind::Traditional, kTraditionalSymbol, false},
    {Kind::Unknown,     kUnknownSymbol,     false},
    {Kind::Virtual,     kVirtualSymbol,     false},
    {Kind::Webcam,      kWebcamSymbol,      false},
    {Kind::Earth,       kEarthSymbol,       false},
    {Kind::Motorway,    kMotorwaySymbol,    false},
    {Kind::Cito,        kCitoSymbol,        false},
    {Kind::Trigpoint,   kTrigpointSymbol,   false},
    {Kind::Parking,     kParkingSymbol,     true},
});
// clang-format on

// The icon of an icon table entry, drawn from its number; nothing for a kind without a symbol
std::optional<Icon> DrawTableIcon(const IconEntry& entry) {
    const auto drawn = std::find_if(kKindSymbols.begin(), kKindSymbols.end(),
                                    [&](const KindSymbol& k) { return k.kind == entry.kind; });
    if (drawn == kKindSymbols.end()) return std::nullopt;
    const Scheme scheme = drawn->waypoint ? kWaypointScheme : SchemeOfState(entry.family.state);
    return Icon{entry.bitmap, DrawIcon(drawn->symbol, scheme, entry.family.travelBug)};
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
