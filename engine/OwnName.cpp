// Names compared case folded and composed, then the characters on either side of each match tested.
#include "OwnName.h"

#include "AsciiCase.h"
#include "Utf8Continuation.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace corvane {
namespace {

// Case folding, then canonical composition, without the compositions later versions of Unicode added
constexpr auto kFold = static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD);

constexpr std::string_view kSeparators = "&+,;/()[]|";

bool IsAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// The text case folded and composed; text that is not UTF-8 keeps its bytes, with ASCII letters folded
std::string Folded(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), IsAscii)) return AsciiLowercase(utf8);
    utf8proc_uint8_t* folded = nullptr;
    const utf8proc_ssize_t size = utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(utf8.data()),
                                               static_cast<utf8proc_ssize_t>(utf8.size()), &folded, kFold);
    std::string text = size < 0 ? AsciiLowercase(utf8) : std::string(reinterpret_cast<char*>(folded), size);
    std::free(folded);
    return text;
}

// The character whose bytes start at pos and end at end; -1 when they are not one UTF-8 character
utf8proc_int32_t CharAt(std::string_view text, std::size_t pos, std::size_t end) {
    utf8proc_int32_t c = -1;
    const auto bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data() + pos);
    const auto size = static_cast<utf8proc_ssize_t>(end - pos);
    return utf8proc_iterate(bytes, size, &c) == size ? c : -1;
}

// The start of the character that ends just before end
std::size_t StartBefore(std::string_view text, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && IsUtf8Continuation(text[start])) --start;
    return start;
}

// The end of the character that starts at pos
std::size_t EndAfter(std::string_view text, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < text.size() && IsUtf8Continuation(text[end])) ++end;
    return end;
}

// White space: the ASCII blanks and line ends, NEL, and Unicode's space, line and paragraph separators
bool IsWhiteSpace(utf8proc_int32_t c) {
    if (c == ' ' || (c >= '\t' && c <= '\r') || c == 0x85) return true;
    const utf8proc_category_t category = c < 0 ? UTF8PROC_CATEGORY_CN : utf8proc_category(c);
    return category == UTF8PROC_CATEGORY_ZS || category == UTF8PROC_CATEGORY_ZL || category == UTF8PROC_CATEGORY_ZP;
}

bool IsSeparator(utf8proc_int32_t c) {
    return (c > 0 && c < 0x80 && kSeparators.find(static_cast<char>(c)) != std::string_view::npos) || IsWhiteSpace(c);
}

}  // namespace

std::string_view TrimmedName(std::string_view name) {
    while (!name.empty() && IsWhiteSpace(CharAt(name, 0, EndAfter(name, 0)))) name.remove_prefix(EndAfter(name, 0));
    while (!name.empty() && IsWhiteSpace(CharAt(name, StartBefore(name, name.size()), name.size())))
        name.remove_suffix(name.size() - StartBefore(name, name.size()));
    return name;
}

bool PlacedByName(std::string_view placedBy, std::string_view name) {
    const std::string needle = Folded(TrimmedName(name));
    if (needle.empty()) return false;
    const std::string text = Folded(placedBy);
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        const std::size_t end = at + needle.size();
        const bool starts = at == 0 || IsSeparator(CharAt(text, StartBefore(text, at), at));
        const bool ends = end == text.size() || IsSeparator(CharAt(text, end, EndAfter(text, end)));
        if (starts && ends) return true;
    }
    return false;
}

}  // namespace corvane
