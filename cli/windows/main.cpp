// corvane-cli.exe: converts a GPX file into a Memory Map CSV file from the Windows command line.
#include "RunCommandLine.h"
#include "Utf16.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// The arguments arrive as UTF-16, so any file name works; inside they are UTF-8.
int wmain(int argc, wchar_t** argv) {
    // A GPX or CSV file on a standard stream passes through byte for byte, without the C
    // runtime's CR LF translation, and messages end their lines as on every other platform.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Messages carry UTF-8 file names; a console shows them as such while the program runs.
    const UINT consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0) SetConsoleOutputCP(CP_UTF8);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(corvane::Utf8(argv[i]));
    const int status = corvane::cli::RunCommandLine(args);

    std::fflush(stdout);
    std::fflush(stderr);
    if (consoleCodePage != 0) SetConsoleOutputCP(consoleCodePage);
    return status;
}
