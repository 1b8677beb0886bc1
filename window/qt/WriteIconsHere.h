// The icon folder box's "Write Corvane's icons here" entry: writes the icon set where the box points.
#pragma once

#include "MessageBoxes.h"

#include <QString>

namespace corvane {

// The folder the icon box names: backslashes read as separators, a relative path taken from
// the CSV file's folder (as Memory Map reads it), or from the current folder without a CSV file;
// "" for an empty box
QString IconFolder(const QString& iconBox, const QString& csvBox);

// Write the icon set into folder (asking for one when it is ""), asking before replacing different
// files; tells the outcome in a box
void WriteIconsHere(const QString& folder, MessageBoxes& boxes);

}  // namespace corvane
