// Draws one icon: the badge in its scheme, the symbol in the middle, the travel-bug mark in a corner.
#pragma once

#include "IconImage.h"
#include "Schemes.h"
#include "Symbols.h"

namespace corvane::icons {

// The icon of symbol on a badge of scheme, with the travel-bug mark when travelBug
IconImage DrawIcon(Symbol symbol, const Scheme& scheme, bool travelBug);

}  // namespace corvane::icons
