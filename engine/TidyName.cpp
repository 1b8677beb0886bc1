// One pass over the name: each run of blanks becomes one space, and references escaped twice are decoded into UTF-8.
#include "TidyName.h"

#include <charconv>
#include <cstdint>

namespace corvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A tool that escapes its text twice leaves "&#252;" where the XML meant "ü". The reference at
// the start of text is decoded into out and its length returned; 0 when text starts with none,
// or with one that names no character a name may hold (a control character, a surrogate).
std::size_t DecodeReference(std::string_view text, std::string& out) {
    if (!text.starts_with("&#")) return 0;
    const bool hex = text.size() > 2 && (text[2] == 'x' || text[2] == 'X');
    const char* first = text.data() + (hex ? 3 : 2);
    const char* last = text.data() + text.size();
    std::uint32_t code = 0;
    const auto [end, error] = std::from_chars(first, last, code, hex ? 16 : 10);
    if (error != std::errc() || end == first || end == last || *end != ';') return 0;
    if (code < 0x20 || (code >= 0x7F && code < 0xA0) || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return 0;
    AppendUtf8(out, code);
    return static_cast<std::size_t>(end + 1 - text.data());
}

}  // namespace

std::string TidyName(std::string_view text) {
    std::string name;
    name.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        if (IsBlank(text[i])) {
            blank = true;
            ++i;
            continue;
        }
        if (blank && !name.empty()) name += ' ';
        blank = false;
        if (const std::size_t length = DecodeReference(text.substr(i), name)) {
            i += length;
        } else {
            name += text[i++];
        }
    }
    return name;
}

}  // namespace corvane
