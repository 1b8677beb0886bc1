// The folder a browse dialog opens in, taken from the path already in its box.
#include "InitialDirectory.h"

#include <algorithm>

namespace corvane {

namespace {

// Only spaces are trimmed: a tab at either end stays part of the path.
QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

}  // namespace

QString InitialDirectory(const QString& boxText) {
    const QString path = TrimSpaces(boxText);
    const qsizetype separator = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.left(separator + 1);
}

}  // namespace corvane
