// The XML declaration read by hand, and the encodings the parser reads without help.
#include "InputEncoding.h"

#include "AsciiCase.h"

#include <array>

namespace corvane {

namespace {

// Byte order marks of UTF-8, UTF-16 BE, UTF-16 LE and UTF-32 LE (same start), UTF-32 BE.
constexpr std::array<std::string_view, 4> kByteOrderMarks{
    std::string_view("\xEF\xBB\xBF", 3),
    std::string_view("\xFE\xFF", 2),
    std::string_view("\xFF\xFE", 2),
    std::string_view("\x00\x00\xFE\xFF", 4),
};

// Declared encodings the parser reads without help; the plain ASCII ones are read as UTF-8.
constexpr std::array<std::string_view, 14> kParserEncodings{
    "utf-8",    "utf8",       "utf-16", "utf-16le", "utf-16be", "utf-32", "utf-32le",
    "utf-32be", "iso-8859-1", "latin1", "us-ascii", "ascii",    "ucs-2",  "ucs-4",
};

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An XML encoding name: a letter, then letters, digits, '.', '_' and '-'. Anything else would
// reach the converter as options ("//IGNORE") or not name an encoding at all.
bool IsEncodingName(std::string_view name) {
    if (name.empty() || !IsLetter(name.front())) return false;
    for (const char c : name) {
        if (!IsLetter(c) && !IsDigit(c) && c != '.' && c != '_' && c != '-') return false;
    }
    return true;
}

std::string_view SkipSpace(std::string_view text) {
    while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
    return text;
}

bool StartsWithByteOrderMark(std::string_view bytes) {
    for (const auto mark : kByteOrderMarks) {
        if (bytes.starts_with(mark)) return true;
    }
    return false;
}

}  // namespace

std::string DeclaredEncoding(std::string_view bytes) {
    constexpr std::string_view kStart = "<?xml";
    if (bytes.starts_with(kByteOrderMarks.front())) bytes.remove_prefix(kByteOrderMarks.front().size());
    if (!bytes.starts_with(kStart)) return "";
    // No '>' can occur inside the declaration's values, so the first one closes it.
    const std::size_t close = bytes.find('>');
    if (close == std::string_view::npos || bytes[close - 1] != '?') return "";
    std::string_view rest = bytes.substr(kStart.size(), close - 1 - kStart.size());
    if (rest.empty() || !IsXmlSpace(rest.front())) return "";

    for (rest = SkipSpace(rest); !rest.empty(); rest = SkipSpace(rest)) {
        std::size_t nameEnd = 0;
        while (nameEnd < rest.size() && rest[nameEnd] != '=' && !IsXmlSpace(rest[nameEnd])) ++nameEnd;
        const std::string_view name = rest.substr(0, nameEnd);
        rest = SkipSpace(rest.substr(nameEnd));
        if (!rest.starts_with('=')) return "";
        rest = SkipSpace(rest.substr(1));
        if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) return "";
        const std::size_t valueEnd = rest.find(rest.front(), 1);
        if (valueEnd == std::string_view::npos) return "";
        const std::string_view value = rest.substr(1, valueEnd - 1);
        if (name == "encoding") return IsEncodingName(value) ? std::string(value) : "";
        rest = rest.substr(valueEnd + 1);
    }
    return "";
}

bool ParserReadsEncoding(std::string_view bytes) {
    // A byte order mark outweighs the declaration: the file is in the encoding it marks.
    if (StartsWithByteOrderMark(bytes)) return true;
    const std::string encoding = AsciiLowercase(DeclaredEncoding(bytes));
    if (encoding.empty()) return true;
    for (const auto name : kParserEncodings) {
        if (encoding == name) return true;
    }
    // A name the converter cannot read either is left to the parser's own default.
    return !ConverterKnows(encoding);
}

}  // namespace corvane
