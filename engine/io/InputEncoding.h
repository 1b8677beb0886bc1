// Documents in encodings the parser does not read itself.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace corvane {

// The encoding named in the XML declaration at the start of the bytes, or "" when there is none
std::string DeclaredEncoding(std::string_view bytes);

// True when the declared encoding is one the parser reads on its own (UTF-8, UTF-16, UTF-32,
// ISO-8859-1, or none at all) or the bytes begin with a byte order mark
bool ParserReadsEncoding(std::string_view bytes);

// Convert bytes in the named encoding to UTF-8; a byte sequence that is invalid in that
// encoding becomes "?". Returns false when the converter does not know the encoding.
bool ConvertToUtf8(std::string_view bytes, std::string_view encoding, std::string& utf8);

}  // namespace corvane
