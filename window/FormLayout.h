// The form: its caption, its client size and every control, as both front-ends draw them.
#pragma once

#include <array>
#include <string_view>

namespace corvane {

// The window's title
inline constexpr std::string_view kFormCaption = "Corvane Conversion";

// The client area, in twips (1440 to the inch)
inline constexpr int kFormWidth = 4680;
inline constexpr int kFormHeight = 4665;

enum class ControlKind { TextBox, Button, OptionButton, CheckBox, Label };

// One control of the form; positions and sizes in twips from the client area's top left corner.
struct ControlLayout {
    std::string_view name;  // optURL0 and optURL1 are the two elements of optURL
    ControlKind kind;
    std::string_view caption;  // a text box's initial text
    std::string_view tooltip;  // "" for none
    int left, top, width, height;
    bool startsGroup;  // the arrow keys move within a group: the option pair is one, the buttons after it the next
};

// Every control of the form, in tab order; the labels take no focus.
// The texts are the form's own, as its users know them, "Memeory" included. Each label ends above
// its box: the GPX label, 255 twips high, reached 15 twips into the box below it, and Windows
// painted its background over the box's top border.
// clang-format off
inline constexpr auto kFormControls = std::to_array<ControlLayout>({
    // name        kind                        caption or initial text                    tooltip                                                                               left   top width height group
    {"txtGPX",      ControlKind::TextBox,       "",                                        "The full path to your Geocaching GPX file",                                          120,  360, 3975,  285, true },
    {"cmdGPX",      ControlKind::Button,        "...",                                     "",                                                                                  4200,  360,  375,  255, false},
    {"txtMM",       ControlKind::TextBox,       "",                                        "The full path and name of the CSV file to create",                                   120, 1200, 3975,  285, false},
    {"cmdMM",       ControlKind::Button,        "...",                                     "",                                                                                  4200, 1200,  375,  255, false},
    {"txtIcon",     ControlKind::TextBox,       "\\MM Icons\\",                            "Can be a full path or a relative path ie. \\MM Icons\\",                             120, 2040, 3975,  285, false},
    {"txtCacher",   ControlKind::TextBox,       "",                                        "Your geocaching user name: a cache is yours when its placed-by text holds it as a whole name, in any letter case",  120, 2880, 3975,  285, false},
    {"optURL0",     ControlKind::OptionButton,  "Link to Website",                         "Links to a URL from Memory Map",                                                     120, 3240, 1695,  375, true },
    {"optURL1",     ControlKind::OptionButton,  "Link to CacheMate",                       "Links to CacheMate from Memeory Map",                                                120, 3480, 1695,  375, false},
    {"cmdConvert",  ControlKind::Button,        "Convert",                                 "Create the CSV file to import into Memory Map",                                     1920, 4080, 1215,  375, true },
    {"cmdClose",    ControlKind::Button,        "Close",                                   "Close Corvane",                                                                     3240, 4080, 1215,  375, false},
    {"Label1",      ControlKind::Label,         "GPX File",                                "",                                                                                   120,  120, 1095,  210, false},
    {"Label2",      ControlKind::Label,         "Memory Map Output File",                  "",                                                                                   120,  840, 1935,  255, false},
    {"Label3",      ControlKind::Label,         "Memory Map Icon Directory",               "",                                                                                   120, 1680, 3615,  255, false},
    {"Label4",      ControlKind::Label,         "Your GC Name",                            "",                                                                                   120, 2520, 3615,  255, false},
    {"chkHint",     ControlKind::CheckBox,      "Include decoded hints in the comments.",  "",                                                                                  2400, 3240, 1935,  615, false},
});
// clang-format on

// Where a control is drawn: at its layout, except that the two option buttons, whose boxes
// overlap by 135 twips, each give up half of the overlap and of a gap between them, top and
// bottom, so that a caption stays where it is and no box covers part of the other caption
ControlLayout Drawn(const ControlLayout& layout);

// The pixels that twips cover on a screen of dpi dots per inch, rounded to the nearest
int TwipsToPixels(int twips, int dpi);

}  // namespace corvane
