// The 16 colours every Corvane icon bitmap carries, in palette order.
#pragma once

#include <array>
#include <cstdint>

namespace corvane::icons {

// A palette index; the names say what each colour is for.
enum class Colour : std::uint8_t {
    Black,
    White,
    FoundGreen,
    FoundFrame,
    Yellow,
    OwnFrame,
    Grey,
    DarkGrey,
    Red,
    WaypointBlue,
    WaypointFrame,
};

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The colour of each palette index; a 16-colour bitmap carries all 16, named or not
extern const std::array<Rgb, 16> kPalette;

// The colour a one-letter code in a symbol's rows stands for; false when the letter names none
bool ColourOfLetter(char letter, Colour& colour);

}  // namespace corvane::icons
