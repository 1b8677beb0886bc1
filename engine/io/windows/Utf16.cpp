// MultiByteToWideChar and WideCharToMultiByte with CP_UTF8; paths too long for the ordinary form go through LongPath.
#include "Utf16.h"

#include "LongPath.h"

#include <windows.h>

namespace corvane {

std::wstring Utf16(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    std::string narrow(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                        nullptr);
    return narrow;
}

std::wstring WidePath(std::string_view utf8) {
    return WidePath(std::wstring_view(Utf16(utf8)));
}

std::wstring WidePath(std::wstring_view utf16) {
    // Paths that fit the ordinary form keep it; the extended form is for those past MAX_PATH
    // (less room for an 8.3 name: the limit for folders), and its "\\?\" does not count.
    constexpr std::size_t kOrdinary = MAX_PATH - 12;
    const bool absolute = utf16.size() >= 3 && utf16[1] == L':' && (utf16[2] == L'\\' || utf16[2] == L'/');
    if (absolute && utf16.size() < kOrdinary) return std::wstring(utf16);
    std::wstring current(MAX_PATH, L'\0');
    DWORD size = GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
    if (size >= current.size()) {
        current.resize(size);
        size = GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
    }
    current.resize(size < current.size() ? size : 0);
    std::wstring extended = LongPath(utf16, current);
    return extended.size() < kOrdinary + 4 ? std::wstring(utf16) : extended;
}

}  // namespace corvane
