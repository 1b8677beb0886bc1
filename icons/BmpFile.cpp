// The file header, the information header, the 16-colour palette, then the pixels two to a byte, little-endian.
#include "BmpFile.h"

#include <cstdint>

namespace corvane::icons {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;
// Two pixels per byte; 32 pixels make 16 bytes, already a multiple of the 4-byte row alignment.
constexpr std::uint32_t kRowSize = kIconSize / 2;
constexpr std::uint32_t kPixelsSize = kRowSize * kIconSize;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

std::string EncodeBmp(const IconImage& image) {
    const std::uint32_t pixelsOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    std::string out;
    out.reserve(pixelsOffset + kPixelsSize);

    out += "BM";
    Put32(out, pixelsOffset + kPixelsSize);
    Put32(out, 0);  // reserved
    Put32(out, pixelsOffset);

    Put32(out, kInfoHeaderSize);
    Put32(out, kIconSize);  // width
    Put32(out, kIconSize);  // positive height: the bottom row comes first
    Put16(out, 1);          // planes
    Put16(out, 4);          // bits per pixel
    Put32(out, 0);          // BI_RGB: no compression
    Put32(out, kPixelsSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 16);  // colours used
    Put32(out, 0);   // every colour is important

    for (const Rgb& colour : kPalette) {
        out.push_back(static_cast<char>(colour.blue));
        out.push_back(static_cast<char>(colour.green));
        out.push_back(static_cast<char>(colour.red));
        out.push_back(0);
    }

    for (int y = kIconSize - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSize; x += 2) {
            const auto high = static_cast<unsigned>(image.at(x, y));
            const auto low = static_cast<unsigned>(image.at(x + 1, y));
            out.push_back(static_cast<char>(high << 4 | low));
        }
    }
    return out;
}

}  // namespace corvane::icons
