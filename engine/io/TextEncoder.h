// Converts the UTF-8 text of the CSV lines into the output code page.
#pragma once

#include "CodePage.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace corvane {

// The canonical name ("windows-1250" ... "windows-1258", "utf-8") of a code page name given
// by a user in any letter case ("Windows-1252", "cp1252", "utf8"), or "" when it is not one
std::string CanonicalCodePage(std::string_view name);

// The code page for a POSIX locale name such as "cs_CZ.UTF-8", "sr_RS@latin" or "C"
std::string CodePageForLocale(std::string_view locale);

// A character the code page lacks is written as the first character of its canonical
// decomposition when the code page has that one (č → c), otherwise as one "?". Invalid
// UTF-8 becomes "?" as well.
class TextEncoder {
public:
    // Encoder for a code page name; an empty or unknown name means DefaultCodePage()
    explicit TextEncoder(std::string_view codePage = {});
    TextEncoder(const TextEncoder&) = delete;
    TextEncoder& operator=(const TextEncoder&) = delete;

    // Canonical name of the code page in use
    const std::string& codePage() const { return codePage_; }
    // Append the UTF-8 text, converted, to out
    void Encode(std::string_view utf8, std::string& out);

private:
    const std::string& EncodeChar(char32_t ch);

    std::string codePage_;
    bool utf8_ = false;
    CodePageConverter converter_;
    std::unordered_map<char32_t, std::string> cache_;
};

}  // namespace corvane
