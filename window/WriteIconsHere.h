// The icon folder box's "Write Corvane's Icons Here" entry: writes the icon set where the box points.
#pragma once

#include "MessageBoxView.h"

#include <string>

namespace corvane {

// The folder the icon box names, with the system's separators: backslashes read as separators,
// a relative path taken from the CSV file's folder (as Memory Map reads it), or from the current
// folder without a CSV file; "" for an empty box
std::string IconFolder(const std::string& iconBox, const std::string& csvBox);

// Write the icon set into folder, asking before replacing different files, and tell the outcome in
// a box; a folder of "" is refused with a box that asks the user to name one
void WriteIconsHere(const std::string& folder, MessageBoxView& boxes);

}  // namespace corvane
