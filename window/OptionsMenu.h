// The window's "Options" menu: what it holds, in its order, for both front-ends to show in their
// menu bars and on a right click on the form.
#pragma once

#include "OptionTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace corvane {

// The menu bar's one menu
inline constexpr std::string_view kOptionsMenuCaption = "Options";

enum class MenuItemKind { Option, Separator, WriteIcons };

// One entry of the menu
struct MenuItem {
    MenuItemKind kind = MenuItemKind::Separator;
    std::string_view name{};     // the entry's name, as the front-ends name their menu entries; "" for a separator
    std::string_view caption{};  // "" for a separator
    const OptionRow* option = nullptr;  // the option a check entry turns on and off, else null
};

// A yes-or-no option of the option table that the window shows as a check entry of its menu
constexpr bool IsMenuOption(const OptionRow& row) {
    return row.yes != nullptr && row.control == OptionControl::MenuEntry;
}

// A check entry for each menu option of the option table, in the table's order, checked while the
// option is on; then a separator and "Write Corvane's Icons Here"
inline constexpr auto kOptionsMenu = [] {
    std::array<MenuItem, std::ranges::count_if(kOptionTable, IsMenuOption) + 2> menu{};
    std::size_t next = 0;
    for (const OptionRow& row : kOptionTable) {
        if (IsMenuOption(row)) menu[next++] = {MenuItemKind::Option, row.controlName, row.caption, &row};
    }
    menu[next++] = {MenuItemKind::Separator};
    menu[next] = {MenuItemKind::WriteIcons, "mnuWriteIcons", "Write Corvane's Icons Here"};
    return menu;
}();

}  // namespace corvane
