// The platform's character converters between Unicode and 8-bit code pages. One implementation
// per platform (posix/, windows/); both give the same bytes for the same code page.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace corvane {

// The system's code page: on Windows its ANSI code page, elsewhere from LC_ALL, LC_CTYPE, LANG
std::string DefaultCodePage();

// Converts single characters into one 8-bit code page, without substitutes of its own.
class CodePageConverter {
public:
    CodePageConverter();
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

    // Prepare to convert into codePage ("windows-1250" ...); false when the platform lacks it
    bool Open(const std::string& codePage);
    // The bytes of ch in the code page; false when it has no exact equivalent there
    bool Convert(char32_t ch, std::string& bytes);

private:
    struct State;                   // the platform's converter, defined by each platform's implementation
    std::unique_ptr<State> state_;  // null until Open succeeds
};

// True when the converter reads the encoding named in a document ("windows-1250", "KOI8-R" ...)
bool ConverterKnows(std::string_view encoding);

// Convert bytes in the named encoding to UTF-8; a byte sequence that is invalid in that
// encoding becomes "?". Returns false when the converter does not know the encoding.
bool ConvertToUtf8(std::string_view bytes, std::string_view encoding, std::string& utf8);

}  // namespace corvane
