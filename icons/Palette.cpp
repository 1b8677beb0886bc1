// The palette's RGB values in index order, and the letters a symbol may use for a fixed colour.
#include "Palette.h"

namespace corvane::icons {

// clang-format off
const std::array<Rgb, 16> kPalette{{
    {0x00, 0x00, 0x00},  // Black
    {0xFF, 0xFF, 0xFF},  // White
    {0x1E, 0x8C, 0x3A},  // FoundGreen
    {0x0B, 0x4A, 0x1C},  // FoundFrame
    {0xFF, 0xD4, 0x1E},  // Yellow
    {0x8A, 0x5A, 0x00},  // OwnFrame
    {0x80, 0x80, 0x80},  // Grey
    {0x3C, 0x3C, 0x3C},  // DarkGrey
    {0xD8, 0x22, 0x1A},  // Red
    {0x1C, 0x5E, 0xC8},  // WaypointBlue
    {0x0C, 0x2A, 0x66},  // WaypointFrame
    // No icon draws in these; they stay so that every bitmap's palette keeps its bytes.
    {0xC8, 0xC8, 0xC8},
    {0xF0, 0x8A, 0x1C},
    {0x13, 0x8A, 0x8A},
    {0x1B, 0x2E, 0x7A},
    {0x7A, 0x4A, 0x1E},
}};
// clang-format on

bool ColourOfLetter(char letter, Colour& colour) {
    switch (letter) {
    case 'k':
        colour = Colour::Black;
        return true;
    case 'w':
        colour = Colour::White;
        return true;
    case 'r':
        colour = Colour::Red;
        return true;
    default:
        return false;
    }
}

}  // namespace corvane::icons
