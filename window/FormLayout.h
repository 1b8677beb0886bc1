// frmMain's form: its caption, its client size and every control, as both front-ends draw them.
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
extern const std::array<ControlLayout, 15> kFormControls;

// Where a control is drawn: at its layout, except that the two option buttons, whose boxes
// overlap by 135 twips, each give up half of the overlap and of a gap between them, top and
// bottom, so that a caption stays where it is and no box covers part of the other caption
ControlLayout Drawn(const ControlLayout& layout);

// The pixels that twips cover on a screen of dpi dots per inch, rounded to the nearest
int TwipsToPixels(int twips, int dpi);

}  // namespace corvane
