// The CSV name that follows the GPX name while the output box is empty.
#include "OutputName.h"

#include <QList>

namespace corvane {

QString OutputName(const QString& gpx, const QString& mm)
{
    // Counted in characters, not UTF-16 units, so that a name never ends in half a character.
    const QList<uint> characters = gpx.toUcs4();
    if (!mm.isEmpty() || characters.size() < 3)
        return mm;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size() - 3) +
           QStringLiteral("csv");
}

}  // namespace corvane
