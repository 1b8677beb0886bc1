// The list items of the option table: one command-line option and one key for several yes-or-no
// options, whose value is the list of the items that say yes ("found,unavailable").
#pragma once

#include "OptionTable.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The rows of the list that row, a list item of kOptionTable, belongs to, in table order
std::span<const OptionRow> ListRows(const OptionRow& row);

// False for a list's items after its first: a list is one option on the command line and one key
// in the store, its first row's
bool OptionHead(const OptionRow& row);

// The list's text in settings: the items that say yes, in table order, separated by commas; ""
// when none does
std::string ListText(const OptionRow& row, const RunSettings& settings);

// Set every item of the list from text, each to whether text names it; "" is the empty list.
// The first word that names no item, when one does not (the others are set all the same)
std::optional<std::string> ReadList(const OptionRow& row, std::string_view text, RunSettings& settings);

}  // namespace corvane
