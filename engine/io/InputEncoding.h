// Documents in encodings the parser does not read itself.
#pragma once

#include "CodePage.h"

#include <memory>
#include <string>
#include <string_view>

namespace corvane {

// The encoding named in the XML declaration at the start of the bytes (after a UTF-8 byte order
// mark), or "" when there is none or it is no encoding name
std::string DeclaredEncoding(std::string_view bytes);

// True when the declared encoding is one the parser reads on its own (UTF-8, UTF-16, UTF-32,
// ISO-8859-1, or none at all) or the bytes begin with a byte order mark
bool ParserReadsEncoding(std::string_view bytes);

}  // namespace corvane
