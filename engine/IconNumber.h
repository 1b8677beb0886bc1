// Chooses the Memory Map icon of a waypoint from its status code.
#pragma once

#include "Kind.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// Icon number for a status code; every string, the empty one included, has one (206 by default)
std::int16_t IconNumber(std::string_view StatusCode);

// The family IconNumber reads from a status code; none when it gives 206 whatever the kind
std::optional<Family> FamilyOfStatus(std::string_view StatusCode);

// What a cache shows when its icon follows its type: the kind and the category word
struct TypeKind {
    Kind kind;
    std::string_view category;
};

// Kind and category for a type text that names a kind with an icon; micro: the container rule
// made the cache a Micro. No value for other texts
std::optional<TypeKind> KindOfType(std::string_view CacheType, bool micro);

// The icon of kind in family, or the nearest one the icon table has: the kind without the
// travel bug, else the family's Traditional
std::int16_t IconInFamily(Family family, Kind kind);

}  // namespace corvane
