// Letter case of ASCII letters only, whatever the locale: the names and keys Corvane compares are ASCII.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace corvane {

// c in upper case when it is an ASCII letter, else c; for narrow and wide characters alike
template <typename Char>
constexpr Char AsciiUpper(Char c) {
    return c >= Char{'a'} && c <= Char{'z'} ? static_cast<Char>(c - Char{'a'} + Char{'A'}) : c;
}

// c in lower case when it is an ASCII letter, else c; for narrow and wide characters alike
template <typename Char>
constexpr Char AsciiLower(Char c) {
    return c >= Char{'A'} && c <= Char{'Z'} ? static_cast<Char>(c - Char{'A'} + Char{'a'}) : c;
}

// Whether text begins with start, ASCII letters compared in either case
constexpr bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && std::equal(start.begin(), start.end(), text.begin(),
                                                     [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

// text with its ASCII letters in lower case
inline std::string AsciiLowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = AsciiLower(c);
    return lower;
}

}  // namespace corvane
