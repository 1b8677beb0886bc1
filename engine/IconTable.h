// The IC01 icon-definition lines at the head of every CSV file.
#pragma once

#include <array>
#include <string_view>

namespace corvane {

class CsvWriter;
class WindowToolkit;

struct IconEntry {
    int number;
    std::string_view bitmap;
};

// The 80 icons, in the order they are written (ascending number)
extern const std::array<IconEntry, 80> kIconTable;

// Normalise txtIcon with AddBackslash, then print one IC01 line per icon
void WriteIconTable(WindowToolkit& window, CsvWriter& out);

}  // namespace corvane
