// A list's rows found beside each other in the option table, its text joined and split at commas.
#include "OptionList.h"

#include <algorithm>

namespace corvane {
namespace {

bool SameList(const OptionRow& row, const OptionRow& other) {
    return !other.item.empty() && other.key == row.key;
}

}  // namespace

std::span<const OptionRow> ListRows(const OptionRow& row) {
    const OptionRow* first = &row;
    const OptionRow* last = &row + 1;
    while (first != kOptionTable.data() && SameList(row, first[-1])) --first;
    while (last != kOptionTable.data() + kOptionTable.size() && SameList(row, *last)) ++last;
    return {first, last};
}

bool OptionHead(const OptionRow& row) {
    return row.item.empty() || &row == ListRows(row).data();
}

std::string ListText(const OptionRow& row, const RunSettings& settings) {
    std::string text;
    for (const OptionRow& item : ListRows(row)) {
        if (!(settings.*item.yes)) continue;
        if (!text.empty()) text += ',';
        text += item.item;
    }
    return text;
}

std::optional<std::string> ReadList(const OptionRow& row, std::string_view text, RunSettings& settings) {
    const std::span<const OptionRow> rows = ListRows(row);
    for (const OptionRow& item : rows) settings.*item.yes = false;
    std::optional<std::string> unknown;
    for (std::size_t start = 0, end = 0; !text.empty() && end != std::string_view::npos; start = end + 1) {
        end = text.find(',', start);
        const std::string_view word = text.substr(start, end - start);
        const auto named = std::find_if(rows.begin(), rows.end(), [&](const OptionRow& r) { return r.item == word; });
        if (named != rows.end())
            settings.*named->yes = true;
        else if (!unknown)
            unknown = word;
    }
    return unknown;
}

}  // namespace corvane
