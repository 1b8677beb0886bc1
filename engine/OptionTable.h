// The options of a conversion, one row each: on the command line, in the settings, in the window.
#pragma once

#include "RunSettings.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// How the window shows a yes-or-no option
enum class OptionControl {
    CheckBox,    // a check box of the form, ticked for yes
    OptionPair,  // two option buttons of the form, the first selected for yes, the other for no
    MenuEntry,   // a check entry of the window's menu, checked for yes
};

// A word a choice takes on the command line, and the value it gives
struct OptionWord {
    std::string_view word;
    bool value;
};

// One option, which sets one member of RunSettings: text, or yes.
// A text option is the value as typed everywhere: after its name on the command line, in the
// store, and in a text box of the form that the window reads as its own control.
// A yes-or-no option is a flag (no value) or a choice of two words on the command line, one of
// two texts in the store, and a control or a menu entry in the window.
// A list item is a yes-or-no option that shares one command-line option and one key with the rows
// next to it that have the same key: the option's value and the stored text are a list of the items
// that say yes, separated by commas (OptionList.h). The list's first row has its value name and help.
struct OptionRow {
    std::string_view name{};            // on the command line, after "--"
    std::string_view valueName{};       // what --help shows for its value; "" for a flag
    std::string_view help{};            // its line in --help, after the name and value
    std::array<OptionWord, 2> words{};  // a choice's two words, in the order a refusal names them
    std::string_view item{};            // a list item's word in the list; "" for any other option
    std::string_view key{};             // the setting's key
    // The texts stored for yes and for no. A stored text reads as yes when it is exactly storedYes,
    // or, with yesUnlessNo, when it is anything but exactly storedNo; the texts of users' stores
    // from earlier versions read as they always did.
    std::string_view storedYes{}, storedNo{};
    bool yesUnlessNo = false;
    OptionControl control = OptionControl::MenuEntry;
    std::string_view controlName{};   // the check box, the option button for yes, or the menu entry
    std::string_view otherControl{};  // an option pair's button for no
    std::string_view caption{};       // a menu entry's caption
    bool trimmed = false;             // a text kept without the white space at either end
    std::string RunSettings::*text = nullptr;
    bool RunSettings::*yes = nullptr;
};

// In the order --help lists them and the store writes them.
// clang-format off
inline constexpr auto kOptionTable = std::to_array<OptionRow>({
    {.name = "icons", .valueName = "DIR", .help = "icon folder named in the icon lines (default \\MM Icons\\)",
     .key = "IconPath", .text = &RunSettings::iconFolder},
    {.name = "name", .valueName = "NAME", .help = "your geocaching name; own-cache icons for caches whose placed-by text holds it "
             "as a whole name, in any letter case",
     .key = "Name", .trimmed = true, .text = &RunSettings::userName},
    {.name = "hints", .help = "add each cache's decoded hint to its comment",
     .key = "Hint", .storedYes = "Y", .storedNo = "N",
     .control = OptionControl::CheckBox, .controlName = "chkHint", .yes = &RunSettings::includeHints},
    // Only exactly "C" is CacheMate: any other stored text, an empty one too, is the web site.
    {.name = "link", .valueName = "KIND", .help = "website: link to the cache's page; cachemate: CacheMate link (default)",
     .words = {{{"website", true}, {"cachemate", false}}},
     .key = "Include", .storedYes = "U", .storedNo = "C", .yesUnlessNo = true,
     .control = OptionControl::OptionPair, .controlName = "optURL0", .otherControl = "optURL1",
     .yes = &RunSettings::linkToWebsite},
    {.name = "kinds", .valueName = "KIND",
     .help = "container: icons by container (default); type: by cache type, with child waypoints",
     .words = {{{"container", false}, {"type", true}}},
     .key = "Kinds", .storedYes = "Type", .storedNo = "Container",
     .control = OptionControl::MenuEntry, .controlName = "mnuIconsByType", .caption = "Icons by cache type",
     .yes = &RunSettings::kindsByType},
    {.name = "leave-out", .valueName = "LIST",
     .help = "leave out caches, each with its waypoints: LIST is any of found (by you), own (placed by you) and "
             "unavailable (archived or disabled), separated by commas",
     .item = "found", .key = "LeaveOut", .controlName = "mnuLeaveOutFound", .caption = "Leave out caches I found",
     .yes = &RunSettings::leaveOutFound},
    {.name = "leave-out", .item = "own", .key = "LeaveOut", .controlName = "mnuLeaveOutOwn",
     .caption = "Leave out my own caches", .yes = &RunSettings::leaveOutOwn},
    {.name = "leave-out", .item = "unavailable", .key = "LeaveOut", .controlName = "mnuLeaveOutUnavailable",
     .caption = "Leave out unavailable caches", .yes = &RunSettings::leaveOutUnavailable},
});
// clang-format on

// The row's place in the option table, for state a front-end keeps by row
inline std::size_t RowIndex(const OptionRow& row) {
    return static_cast<std::size_t>(&row - kOptionTable.data());
}

}  // namespace corvane
