// Blanks and quotes come off first, then a file:// address becomes the path it names.
#include "PastedPath.h"

#include "AsciiCase.h"
#include "TrimBlanks.h"

#include <algorithm>
#include <optional>

namespace corvane {
namespace {

constexpr std::string_view kFileScheme = "file://";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

bool IsDriveLetter(char c) {
    return AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z';
}

// text with each "%XX" as the byte it stands for (the bytes of UTF-8 letters, a blank as "%20");
// a "%" without two hex digits after it stays as it is
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape =
            text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0;
        if (!escape) {
            decoded += text[i];
            continue;
        }
        decoded += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
    }
    return decoded;
}

// The path an address's host and (decoded) path name on a system of syntax; nothing when a
// POSIX system cannot reach the host by a path
std::optional<std::string> LocalPath(std::string_view host, std::string path, PathSyntax syntax) {
    const bool local = host.empty() || AsciiLowercase(host) == "localhost";
    if (syntax == PathSyntax::Posix) return local ? std::optional(path) : std::nullopt;
    if (!local) {
        // Windows reaches another computer's share by its name: file://server/share/a.gpx.
        path = "//" + std::string(host) + path;
    } else if (path.size() >= 3 && path[0] == '/' && IsDriveLetter(path[1]) && path[2] == ':') {
        // file:///C:/Users/kate/a.gpx: the drive letter follows the address's slash.
        path.erase(0, 1);
    }
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace

// Windows Explorer's "Copy as path" quotes the path; a web page gives blanks with it; a file
// manager or a browser copies a file:// address. Each gave "No such file or directory", or an
// output name with a quote in it, for a file that was there.
std::string PastedPath(std::string_view boxText, PathSyntax syntax) {
    std::string_view path = TrimBlanks(boxText);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    if (AsciiLowercase(path.substr(0, kFileScheme.size())) != kFileScheme) return std::string(path);
    const std::string_view address = path.substr(kFileScheme.size());
    const std::size_t slash = std::min(address.find('/'), address.size());
    return LocalPath(address.substr(0, slash), PercentDecoded(address.substr(slash)), syntax)
        .value_or(std::string(path));
}

}  // namespace corvane
