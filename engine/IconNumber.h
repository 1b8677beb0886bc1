// Chooses the Memory Map icon of a waypoint from its status code.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// Icon number for a status code; every string, the empty one included, has one (206 by default)
std::int16_t IconNumber(std::string_view StatusCode);

// What a cache shows when its icon follows its type: the icon and the category word
struct TypeIcon {
    std::int16_t icon;
    std::string_view category;
};

// Icon and category for a type text that names a kind with an icon, in the family the status
// code chooses; micro: the container rule made the cache a Micro. No value for other texts
std::optional<TypeIcon> IconNumberByType(std::string_view CacheType, bool micro, std::string_view StatusCode);

}  // namespace corvane
