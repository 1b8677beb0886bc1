// The kinds an icon shows and the families they come in, and the icon number that holds both.
#pragma once

#include <cstdint>
#include <string_view>

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

// A family of icons: the cache's state letter (F found, N not found, O placed by the user,
// U archived or unavailable) and whether a travel bug is in the cache.
struct Family {
    char state;
    bool travelBug;
    bool operator==(const Family&) const = default;
};

// The state letters in the order of the family bases 100, 200, 300 and 400.
inline constexpr std::string_view kStateLetters = "FNOU";

// The number of an icon: the family base (100 to 400 by state, 1000 more with a travel bug) plus the kind
constexpr std::int16_t EncodeIcon(Family family, Kind kind) {
    const auto base = 100 * static_cast<int>(kStateLetters.find(family.state) + 1) + (family.travelBug ? 1000 : 0);
    return static_cast<std::int16_t>(base + static_cast<int>(kind));
}

// The family of an icon number; state '\0' for a number outside the families (a child icon)
constexpr Family FamilyOfIcon(int number) {
    const int state = number / 100 % 10;
    return {state >= 1 && state <= 4 ? kStateLetters[state - 1] : '\0', number > 1000};
}

// The kind of an icon number in a family
constexpr Kind KindOfIcon(int number) {
    return static_cast<Kind>(number % 100);
}

}  // namespace corvane
