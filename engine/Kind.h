// The kinds an icon shows and the families they come in, and the icon number that holds both.
#pragma once

#include <cstdint>

namespace corvane {

// What an icon shows; the value is the kind's offset within every family.
enum class Kind : std::int16_t {
    Event = 1,
    Letterbox = 2,
    Micro = 4,
    Multicache = 5,
    Traditional = 6,
    Unknown = 7,
    Virtual = 8,
    Webcam = 9,
    Earth = 10,
    Motorway = 20,
    Cito = 21,
    Trigpoint = 22,
    Parking = 23,
};

// A cache's state as its icon shows it; the value is the family base in hundreds. A cache is
// found, not found or placed by the user as its GPX file says; Unavailable (archived or disabled)
// is the icon's own.
enum class State : std::int16_t {
    Found = 1,
    NotFound = 2,
    Own = 3,
    Unavailable = 4,
};

// A family of icons: the cache's state and whether a travel bug is in the cache.
struct Family {
    State state;
    bool travelBug;
    bool operator==(const Family&) const = default;
};

// The number of an icon: the family base (100 to 400 by state, 1000 more with a travel bug) plus the kind
constexpr std::int16_t EncodeIcon(Family family, Kind kind) {
    const int base = 100 * static_cast<int>(family.state) + (family.travelBug ? 1000 : 0);
    return static_cast<std::int16_t>(base + static_cast<int>(kind));
}

}  // namespace corvane
