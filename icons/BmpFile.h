// The Windows bitmap file of an icon: 16 colours, uncompressed, bottom row first.
#pragma once

#include "IconImage.h"

#include <string>

namespace corvane::icons {

// The whole .bmp file of image: BITMAPFILEHEADER, BITMAPINFOHEADER (BI_RGB, 4 bits), palette, pixels
std::string EncodeBmp(const IconImage& image);

}  // namespace corvane::icons
