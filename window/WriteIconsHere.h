// The icon folder box's "Write Corvane's Icons Here" entry: writes the icon set where the box points.
#pragma once

#include "MessageBoxView.h"

#include <string>

namespace corvane {

// The folder the icon box names, with the system's separators: backslashes read as separators,
// a relative path taken from the CSV file's folder (as Memory Map reads it), or from the current
// folder without a CSV file; "" for an empty box
std::string IconFolder(const std::string& iconBox, const std::string& csvBox);

// Write the icon set into folder (refused with a box when it is ""), asking before replacing
// different files; tells the outcome in a box
void WriteIconsHere(const std::string& folder, MessageBoxView& boxes);

}  // namespace corvane
