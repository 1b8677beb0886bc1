// Converts the UTF-8 text of the CSV lines into the output code page.
#pragma once

#include "CodePage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

// The canonical name ("windows-1250" ... "windows-1258", "utf-8") of a code page name given
// by a user in any letter case ("Windows-1252", "cp1252", "utf8"), or "" when it is not one
std::string CanonicalCodePage(std::string_view name);

// The code page an encoder for name writes: the canonical name, or the system's when name is empty or unknown
std::string OutputCodePage(std::string_view name);

// Text is composed first, so that a letter written as a base and its marks becomes the code
// page's own letter. A character the code page still lacks is written as the first character
// of its canonical decomposition when the code page has that one (č → c), otherwise as one "?".
// Each byte of invalid UTF-8 becomes "?" as well.
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
    // Number of characters written as "?" so far, for want of an equivalent in the code page
    std::size_t substituted() const { return substituted_; }
    // Number of bytes not valid in UTF-8 written as "?" so far
    std::size_t invalid() const { return invalid_; }

private:
    void EncodeChars(std::string_view utf8, std::string& out);
    void Append(const std::string& bytes, std::string& out);
    const std::string& EncodeChar(char32_t ch);

    std::string codePage_;
    bool utf8_ = false;
    CodePageConverter converter_;
    std::unordered_map<char32_t, std::string> cache_;
    std::vector<std::int32_t> composed_;  // the characters of the text being composed
    std::size_t substituted_ = 0;
    std::size_t invalid_ = 0;
};

}  // namespace corvane
