// The colours of an icon's badge: one scheme per cache state, one for child waypoints.
#pragma once

#include "Kind.h"
#include "Palette.h"

namespace corvane::icons {

struct Scheme {
    Colour frame;  // the one-pixel edge
    Colour fill;   // the badge behind the symbol
    Colour ink;    // the symbol
};

// The scheme of a cache state
Scheme SchemeOfState(State state);

// Parking and the other waypoints that belong to a cache
extern const Scheme kWaypointScheme;

}  // namespace corvane::icons
