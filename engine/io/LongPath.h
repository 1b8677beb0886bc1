// The extended form of a Windows path ("\\?\C:\..."), which the file calls take at any length.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// path (Windows syntax, either slash) as an absolute path with backslashes, "." and ".." resolved
// and "\\?\" in front ("\\?\UNC\" for a share), taking a relative path from currentDirectory.
// A path already in that form, a device path ("\\.\COM1") and a device name ("NUL") are kept.
std::wstring LongPath(std::wstring_view path, std::wstring_view currentDirectory);

}  // namespace corvane
