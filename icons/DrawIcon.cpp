// The badge is filled and framed first; the symbol is stamped centred over it, and the travel-bug mark last.
#include "DrawIcon.h"

namespace corvane::icons {
namespace {

// Paint symbol's rows with their top left corner at (left, top): '#' in ink, '.' left as it is,
// a colour letter in its colour
void Stamp(IconImage& image, Symbol symbol, int left, int top, const Scheme& scheme) {
    for (int y = 0; y < static_cast<int>(symbol.size()); ++y) {
        const std::string_view row = symbol[y];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            Colour colour;
            if (row[x] == '#') {
                image.set(left + x, top + y, scheme.ink);
            } else if (ColourOfLetter(row[x], colour)) {
                image.set(left + x, top + y, colour);
            }
        }
    }
}

int Width(Symbol symbol) {
    return symbol.empty() ? 0 : static_cast<int>(symbol[0].size());
}

}  // namespace

IconImage DrawIcon(Symbol symbol, const Scheme& scheme, bool travelBug) {
    IconImage image;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const bool edge = x == 0 || y == 0 || x == kIconSize - 1 || y == kIconSize - 1;
            image.set(x, y, edge ? scheme.frame : scheme.fill);
        }
    }
    const int height = static_cast<int>(symbol.size());
    Stamp(image, symbol, (kIconSize - Width(symbol)) / 2, (kIconSize - height) / 2, scheme);
    if (travelBug) {
        // The mark sits in the bottom right corner, over the symbol's corner where they meet.
        const int left = kIconSize - 1 - Width(kTravelBugMark);
        const int top = kIconSize - 1 - static_cast<int>(kTravelBugMark.size());
        Stamp(image, kTravelBugMark, left, top, scheme);
    }
    return image;
}

}  // namespace corvane::icons
