// The folder a browse dialog opens in, taken from the path already in its box.
#pragma once

#include <QString>

namespace corvane {

// The box text without leading and trailing spaces, up to and including its last backslash
// (or slash); "" when it has neither, which leaves the starting folder to the dialog
QString InitialDirectory(const QString& boxText);

}  // namespace corvane
