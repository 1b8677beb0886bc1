// UTF-8 text inside Corvane, UTF-16 at the Windows calls: the conversion both ways.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The UTF-16 form of UTF-8 text; invalid bytes become U+FFFD
std::wstring Utf16(std::string_view utf8);

// The UTF-8 form of UTF-16 text; unpaired surrogates become U+FFFD
std::string Utf8(std::wstring_view utf16);

// A path as the file calls take it: UTF-16, and in the extended form ("\\?\C:\...") when it
// is too long for the ordinary one
std::wstring WidePath(std::string_view utf8);
std::wstring WidePath(std::wstring_view utf16);

}  // namespace corvane
