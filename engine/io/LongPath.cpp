// The path is split into root and names, "." and ".." resolved against the current directory, then rejoined.
#include "LongPath.h"

#include "AsciiCase.h"

#include <array>
#include <vector>

namespace corvane {
namespace {

constexpr std::wstring_view kPrefix = L"\\\\?\\";
constexpr std::wstring_view kSharePrefix = L"\\\\?\\UNC\\";

bool IsSlash(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// True for the names Windows gives to devices in every folder ("NUL", "com1.txt")
bool IsDeviceName(std::wstring_view name) {
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ') name.remove_suffix(1);
    std::wstring upper;
    for (const wchar_t c : name) upper += AsciiUpper(c);
    static constexpr auto kDevices =
        std::to_array<std::wstring_view>({L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"});
    for (const std::wstring_view device : kDevices) {
        if (upper == device) return true;
    }
    return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) && upper[3] >= L'1' &&
           upper[3] <= L'9';
}

// The root of an absolute path ("C:" or "server\share") and the rest; false for a relative path
bool SplitRoot(std::wstring_view path, std::wstring& root, bool& share, std::wstring_view& rest) {
    if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
        // "\\server\share\rest": the server and share names are the root.
        std::size_t end = 2;
        while (end < path.size() && !IsSlash(path[end])) ++end;
        if (end < path.size()) ++end;
        while (end < path.size() && !IsSlash(path[end])) ++end;
        root.assign(path.substr(2, end - 2));
        for (wchar_t& c : root) c = IsSlash(c) ? L'\\' : c;
        share = true;
        rest = path.substr(end);
        return true;
    }
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSlash(path[2])) {
        root = {AsciiUpper(path[0]), L':'};
        share = false;
        rest = path.substr(2);
        return true;
    }
    return false;
}

// Append the names of rest to names, resolving "." and ".."
void AddNames(std::wstring_view rest, std::vector<std::wstring>& names) {
    std::size_t pos = 0;
    while (pos < rest.size()) {
        while (pos < rest.size() && IsSlash(rest[pos])) ++pos;
        std::size_t end = pos;
        while (end < rest.size() && !IsSlash(rest[end])) ++end;
        std::wstring name(rest.substr(pos, end - pos));
        pos = end;
        if (name.empty() || name == L".") continue;
        if (name == L"..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        // The ordinary form drops trailing dots and blanks from names; the extended form would keep them.
        while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
        if (!name.empty()) names.push_back(std::move(name));
    }
}

}  // namespace

std::wstring LongPath(std::wstring_view path, std::wstring_view currentDirectory) {
    if (path.empty() || path.starts_with(kPrefix) || path.starts_with(L"\\\\.\\")) return std::wstring(path);
    const std::size_t slash = path.find_last_of(L"\\/");
    if (IsDeviceName(slash == std::wstring_view::npos ? path : path.substr(slash + 1))) return std::wstring(path);

    std::wstring root;
    bool share = false;
    std::wstring_view rest;
    std::vector<std::wstring> names;
    if (SplitRoot(path, root, share, rest)) {
        AddNames(rest, names);
    } else {
        std::wstring_view current;
        if (!SplitRoot(currentDirectory, root, share, current)) return std::wstring(path);
        const bool onDrive = path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':';
        const std::wstring_view named = path.substr(onDrive ? 2 : 0);
        if (onDrive && (share || AsciiUpper(path[0]) != root[0])) {
            // "D:name" while the current directory is elsewhere: from the top of that drive.
            root = {AsciiUpper(path[0]), L':'};
            share = false;
        } else if (named.empty() || !IsSlash(named[0])) {
            AddNames(current, names);
        }
        AddNames(named, names);
    }

    std::wstring longPath(share ? kSharePrefix : kPrefix);
    longPath += root;
    for (const std::wstring& name : names) longPath += L'\\' + name;
    if (names.empty()) longPath += L'\\';
    return longPath;
}

}  // namespace corvane
