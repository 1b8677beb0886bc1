// The "MM Icons" folder beside corvane.exe when it exists, else the usual default.
#include "IconsBesideProgram.h"

#include "RunSettings.h"
#include "Utf16.h"

#include <windows.h>

namespace corvane {

// The installer puts the icon set beside corvane.exe: a first conversion then names bitmaps that exist.
std::string IconsBesideProgram() {
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length == 0) return kDefaultIconFolder;
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1) + L"MM Icons\\";
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return kDefaultIconFolder;
    return Utf8(folder);
}

}  // namespace corvane
