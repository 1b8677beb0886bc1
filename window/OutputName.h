// The CSV name that follows the GPX name while the output box is empty.
#pragma once

#include <QString>

namespace corvane {

// What the output box holds after the GPX box changed to gpx while the output box held mm:
// mm itself unless mm is empty and gpx has at least three characters, else gpx without its
// last three characters followed by "csv"
QString OutputName(const QString& gpx, const QString& mm);

}  // namespace corvane
