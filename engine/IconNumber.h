// Chooses the Memory Map icon of a waypoint from its status code.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

// Icon number for a status code; every string, the empty one included, has one (206 by default)
std::int16_t IconNumber(std::string_view StatusCode);

}  // namespace corvane
