// Documents in encodings the parser does not read itself.
#include "InputEncoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <vector>

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

constexpr std::size_t kChunkSize = 64 * 1024;

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

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool StartsWithByteOrderMark(std::string_view bytes) {
    for (const auto mark : kByteOrderMarks) {
        if (bytes.starts_with(mark)) return true;
    }
    return false;
}

bool ConverterKnows(const std::string& encoding) {
    const iconv_t cd = iconv_open("UTF-8", encoding.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(cd);
    return true;
}

// Write out whatever the converter still holds back and return it to its initial state.
void Flush(iconv_t cd, std::vector<char>& buffer, std::string& utf8) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    utf8.append(buffer.data(), out);
}

}  // namespace

std::string DeclaredEncoding(std::string_view bytes) {
    constexpr std::string_view kStart = "<?xml";
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
    if (StartsWithByteOrderMark(bytes)) return true;
    const std::string encoding = Lowercase(DeclaredEncoding(bytes));
    if (encoding.empty()) return true;
    for (const auto name : kParserEncodings) {
        if (encoding == name) return true;
    }
    // A name the converter cannot read either is left to the parser's own default.
    return !ConverterKnows(encoding);
}

bool ConvertToUtf8(std::string_view bytes, std::string_view encoding, std::string& utf8) {
    const iconv_t cd = iconv_open("UTF-8", std::string(encoding).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;

    utf8.clear();
    utf8.reserve(bytes.size() + bytes.size() / 4);
    std::vector<char> buffer(kChunkSize);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const bool converted = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        const int error = errno;
        utf8.append(buffer.data(), out);
        if (converted || error == E2BIG) continue;

        // An invalid or truncated sequence: whatever came before it goes out first, then one "?"
        // for its first byte, and the converter starts afresh on the next byte.
        Flush(cd, buffer, utf8);
        utf8 += '?';
        ++in;
        --inLeft;
    }
    Flush(cd, buffer, utf8);
    iconv_close(cd);
    return true;
}

}  // namespace corvane
