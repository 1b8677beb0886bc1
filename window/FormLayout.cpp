// Where the option buttons are drawn, and the twips-to-pixels rule.
#include "FormLayout.h"

#include <cmath>

namespace corvane {

ControlLayout Drawn(const ControlLayout& layout) {
    constexpr int kOptionOverlap = 135;
    // Each control's top and height are rounded to pixels apart: without a gap the first button's
    // bottom came one pixel below the second's top at 100 dpi and at many others.
    constexpr int kOptionGap = 15;
    if (layout.kind != ControlKind::OptionButton) return layout;
    ControlLayout drawn = layout;
    drawn.top += (kOptionOverlap + kOptionGap) / 2;
    drawn.height -= kOptionOverlap + kOptionGap;
    return drawn;
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

}  // namespace corvane
