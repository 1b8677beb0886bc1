// Letter case of ASCII letters only, whatever the locale: the names and keys Corvane compares are ASCII.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// c in upper case when it is an ASCII letter, else c
constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// c in lower case when it is an ASCII letter, else c
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// text with its ASCII letters in lower case
inline std::string AsciiLowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = AsciiLower(c);
    return lower;
}

}  // namespace corvane
