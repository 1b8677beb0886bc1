// Paths are UTF-8 text inside Corvane; std::filesystem takes a plain string in Windows' ANSI
// code page, so every path crosses to and from it here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

inline std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace corvane
