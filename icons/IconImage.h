// A 32 x 32 icon as palette indices, top row first.
#pragma once

#include "Palette.h"

#include <array>

namespace corvane::icons {

inline constexpr int kIconSize = 32;

struct IconImage {
    std::array<Colour, kIconSize * kIconSize> pixels{};

    // The colour at column x, row y (row 0 at the top)
    Colour at(int x, int y) const { return pixels[y * kIconSize + x]; }
    // Paint one pixel; points outside the icon are ignored
    void set(int x, int y, Colour colour) {
        if (x >= 0 && x < kIconSize && y >= 0 && y < kIconSize) pixels[y * kIconSize + x] = colour;
    }
    bool operator==(const IconImage&) const = default;
};

}  // namespace corvane::icons
