// What a file's first bytes say it is, whatever its name: a zip file, XML, or something else.
#pragma once

#include <string_view>

namespace corvane {

enum class Sniffed { Zip, Xml, Other };

// A zip file begins with a local entry's header or, when empty, with its end record; XML with
// "<" after a UTF-8 byte-order mark and blanks. A CSV file begins with neither.
inline Sniffed Sniff(std::string_view bytes) {
    if (bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06")) return Sniffed::Zip;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<' ? Sniffed::Xml : Sniffed::Other;
}

}  // namespace corvane
