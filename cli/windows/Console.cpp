// corvane-cli on Windows: consoles and the system's ANSI code page.
#include "Console.h"

#include <io.h>
#include <windows.h>

namespace corvane::cli {

// A console, not merely a character device: _isatty() is true for NUL as well.
bool IsTerminal(std::FILE* stream) {
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
}

int StandardOutputDescriptor() {
    return _fileno(stdout);
}

std::string_view DefaultEncodingHelp() {
    return "Default encoding: the system's ANSI code page when it is windows-1250 ... windows-1258 or\n"
           "utf-8; windows-1252 otherwise.\n";
}

}  // namespace corvane::cli
