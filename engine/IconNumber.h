// Chooses the Memory Map icon of a waypoint from its record.
#pragma once

#include "Kind.h"

#include <cstdint>
#include <optional>

namespace corvane {

struct CacheRecord;

// The icon the container rule chooses for a cache
struct IconChoice {
    std::optional<Family> family;  // none: the record's marks give no family, and the icon is 206
    Kind kind;                     // Traditional when no test chose another kind, or without a family

    // The icon's number: the family's icon of the kind, or 206 without a family
    std::int16_t number() const;
};

// The icon by the record's type, containers, found state and travel bug; every record has one
IconChoice IconByContainer(const CacheRecord& record);

// The icon of kind in family, or the nearest one the icon table has: the kind without the
// travel bug, else the family's Traditional
std::int16_t IconInFamily(Family family, Kind kind);

}  // namespace corvane
