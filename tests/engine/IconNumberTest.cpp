// Icon numbers for status codes (TypeCode, FoundCode, TravelBug): every family and every kind.
#include "IconNumber.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(IconNumber, EachFamilyAndKind) {
    const std::pair<const char*, int> rows[] = {
        // Kinds, by the second character (Multicache and MM by the first); later tests win.
        {"TRFN", 106}, {"TEFN", 101}, {"TLFN", 102}, {"TIFN", 104}, {"MIFN", 105}, {"TUFN", 107}, {"TVFN", 108},
        {"TWFN", 109}, {"TAFN", 110}, {"OIFN", 120}, {"TCFN", 121}, {"MCFN", 121}, {"TTFN", 122}, {"MTFN", 122},
        // Families by state, then with a travel bug: no Virtual, Webcam, Earth or Trigpoint bug icons.
        {"TRNN", 206}, {"TRRN", 206}, {"TAON", 310}, {"TTON", 306}, {"OTON", 320}, {"TTUN", 422}, {"TRFY", 1106},
        {"TINY", 1204}, {"TROY", 1306}, {"TRUY", 1406}, {"TVFY", 1106}, {"MWNY", 1205}, {"TAOY", 1306},
        {"TTUY", 1406}, {"TCOY", 1321}, {"OEUY", 1420}, {"TRRY", 206}, {"TRXN", 206},
        // An empty FoundCode moves the travel-bug letter to third place; only positions 1-3 and the last count.
        {"TIN", 204}, {"TIY", 206}, {"", 206}, {"N", 206}, {"tifn", 206}, {"TIFn", 1104}, {"TRSFN", 206},
        {"TIFXN", 104},
    };
    for (const auto& [code, icon] : rows) EXPECT_EQ(IconNumber(code), icon) << code;
}

}  // namespace
}  // namespace corvane
