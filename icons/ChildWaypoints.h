// The symbols of the child-waypoint icons that the icon table's 80 do not include.
#pragma once

#include "Symbols.h"

#include <span>

namespace corvane::icons {

struct ChildWaypointSymbol {
    int number;  // the child icon's number in the engine's table
    Symbol symbol;
};

// One row per child icon of Corvane's own; parking is drawn with the 80
extern const std::span<const ChildWaypointSymbol> kChildWaypointSymbols;

}  // namespace corvane::icons
