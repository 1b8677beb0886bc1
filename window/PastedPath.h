// The path a box's text names, as people paste paths: with blanks, in quotes, or as a file:// address.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// How a local path is written: "/home/kate/week.gpx", or "C:\Users\kate\week.gpx" and "\\server\share\week.gpx"
enum class PathSyntax { Posix, Windows };

// The syntax of this system's paths
inline constexpr PathSyntax kSystemPathSyntax =
    std::filesystem::path::preferred_separator == '\\' ? PathSyntax::Windows : PathSyntax::Posix;

// boxText without blanks at both ends and without one pair of double quotes around it; a file://
// address as the local path it names, percent-decoded, in syntax; text that names no path of
// this computer as it is
std::string PastedPath(std::string_view boxText, PathSyntax syntax = kSystemPathSyntax);

}  // namespace corvane
