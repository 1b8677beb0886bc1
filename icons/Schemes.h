// The colours of an icon's badge: one scheme per cache state, one for child waypoints.
#pragma once

#include "Palette.h"

namespace corvane::icons {

struct Scheme {
    Colour frame;  // the one-pixel edge
    Colour fill;   // the badge behind the symbol
    Colour ink;    // the symbol
};

// The scheme of a cache state letter: F found, N not found, O placed by the user, U archived or disabled
Scheme SchemeOfState(char letter);

// Parking and the other waypoints that belong to a cache
extern const Scheme kWaypointScheme;

}  // namespace corvane::icons
