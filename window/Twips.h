// Twips, the window's unit of layout (1440 to the inch), turned into screen pixels.
#pragma once

#include <QRect>

namespace corvane {

// Twips in one inch
inline constexpr int kTwipsPerInch = 1440;

// The pixels that twips cover on a screen of dpi logical dots per inch, rounded to the nearest
int TwipsToPixels(int twips, int dpi);

// A rectangle given in twips, in pixels of a screen with the given logical resolutions
QRect TwipsToPixels(int left, int top, int width, int height, int dpiX, int dpiY);

}  // namespace corvane
