// Twips, the window's unit of layout (1440 to the inch), turned into screen pixels.
#include "Twips.h"

#include <QtMath>

namespace corvane {

int TwipsToPixels(int twips, int dpi) {
    return qRound(static_cast<double>(twips) * dpi / kTwipsPerInch);
}

QRect TwipsToPixels(int left, int top, int width, int height, int dpiX, int dpiY) {
    return {TwipsToPixels(left, dpiX), TwipsToPixels(top, dpiY), TwipsToPixels(width, dpiX),
            TwipsToPixels(height, dpiY)};
}

}  // namespace corvane
