// corvane-cli on POSIX systems: terminals and the locale's code page.
#include "Console.h"

#include <unistd.h>

namespace corvane::cli {

bool IsTerminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

int StandardOutputDescriptor() {
    return STDOUT_FILENO;
}

std::string_view DefaultEncodingHelp() {
    return "Default encoding: the Windows code page of the language in LC_ALL, LC_CTYPE or LANG; "
           "windows-1252 for C, POSIX and the rest.\n";
}

}  // namespace corvane::cli
