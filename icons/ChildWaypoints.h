// The icons of the waypoints that belong to a cache: its final, stages, question and so on.
#pragma once

#include "Symbols.h"

#include <array>
#include <string_view>

namespace corvane::icons {

struct ChildWaypointIcon {
    std::string_view bitmap;
    Symbol symbol;
};

// The one place these bitmaps are named, until the icon table numbers them
extern const std::array<ChildWaypointIcon, 6> kChildWaypointIcons;

}  // namespace corvane::icons
