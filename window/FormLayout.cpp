// The form's controls in tab order, with their places in twips, and the twips-to-pixels rule.
#include "FormLayout.h"

#include <cmath>

namespace corvane {

using enum ControlKind;

// The texts are the form's own, as its users know them, "Memeory" included. Each label ends above
// its box: the GPX label, 255 twips high, reached 15 twips into the box below it, and Windows
// painted its background over the box's top border.
// clang-format off
const std::array<ControlLayout, 15> kFormControls = {{
    // name        kind           caption or initial text                    tooltip                                                                                                               left   top width height group
    {"txtGPX",      TextBox,       "",                                        "The full path to your Geocaching GPX file",                                                                          120,  360, 3975,  285, true },
    {"cmdGPX",      Button,        "...",                                     "",                                                                                                                  4200,  360,  375,  255, false},
    {"txtMM",       TextBox,       "",                                        "The full path and name of the CSV file to create",                                                                   120, 1200, 3975,  285, false},
    {"cmdMM",       Button,        "...",                                     "",                                                                                                                  4200, 1200,  375,  255, false},
    {"txtIcon",     TextBox,       "\\MM Icons\\",                            "Can be a full path or a relative path ie. \\MM Icons\\",                                                             120, 2040, 3975,  285, false},
    {"txtCacher",   TextBox,       "",                                        "Your geocaching user name: a cache is yours when its placed-by text holds it as a whole name, in any letter case",   120, 2880, 3975,  285, false},
    {"optURL0",     OptionButton,  "Link to Website",                         "Links to a URL from Memory Map",                                                                                     120, 3240, 1695,  375, true },
    {"optURL1",     OptionButton,  "Link to CacheMate",                       "Links to CacheMate from Memeory Map",                                                                                120, 3480, 1695,  375, false},
    {"cmdConvert",  Button,        "Convert",                                 "Create the CSV file to import into Memory Map",                                                                     1920, 4080, 1215,  375, true },
    {"cmdClose",    Button,        "Close",                                   "Close Corvane",                                                                                                     3240, 4080, 1215,  375, false},
    {"Label1",      Label,         "GPX File",                                "",                                                                                                                   120,  120, 1095,  210, false},
    {"Label2",      Label,         "Memory Map Output File",                  "",                                                                                                                   120,  840, 1935,  255, false},
    {"Label3",      Label,         "Memory Map Icon Directory",               "",                                                                                                                   120, 1680, 3615,  255, false},
    {"Label4",      Label,         "Your GC Name",                            "",                                                                                                                   120, 2520, 3615,  255, false},
    {"chkHint",     CheckBox,      "Include decoded hints in the comments.",  "",                                                                                                                  2400, 3240, 1935,  615, false},
}};
// clang-format on

ControlLayout Drawn(const ControlLayout& layout) {
    constexpr int kOptionOverlap = 135;
    // Each control's top and height are rounded to pixels apart: without a gap the first button's
    // bottom came one pixel below the second's top at 100 dpi and at many others.
    constexpr int kOptionGap = 15;
    if (layout.kind != OptionButton) return layout;
    ControlLayout drawn = layout;
    drawn.top += (kOptionOverlap + kOptionGap) / 2;
    drawn.height -= kOptionOverlap + kOptionGap;
    return drawn;
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

}  // namespace corvane
