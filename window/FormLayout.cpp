// Where the option buttons are drawn, and the twips-to-pixels rule.
#include "FormLayout.h"

#include <cmath>

namespace corvane {

ControlLayout Drawn(const ControlLayout& layout) {
    constexpr int kOptionOverlap = 135;
    if (layout.kind != ControlKind::OptionButton) return layout;
    ControlLayout drawn = layout;
    drawn.top += kOptionOverlap / 2;
    drawn.height -= kOptionOverlap;
    return drawn;
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

}  // namespace corvane
