// hold-file: holds a file open the way another program would (a spreadsheet, a virus scanner, a
// sync client), or presses Ctrl-C the moment a file appears, so that the tests can show what
// saving and reading do meanwhile.
//   hold-file ACCESS SHARE MILLISECONDS PATH
// ACCESS is r, w or rw; SHARE the letters of r, w and d that others may do, or - for none. A
// PATH with * in its name waits (up to ten seconds) for a matching file to appear and holds
// that. Prints "held" once the file is held, and exits 0 after closing it; 1 when nothing was held.
//   hold-file ctrl-c PATH PROGRAM ARGUMENTS...
// Starts the program in this console, presses Ctrl-C as soon as a file matching PATH appears and
// exits with the program's exit status (arguments without quotes in them).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

DWORD Flags(const wchar_t* letters, DWORD r, DWORD w, DWORD d) {
    DWORD flags = 0;
    for (const wchar_t* c = letters; *c != L'\0'; ++c) flags |= *c == L'r' ? r : *c == L'w' ? w : *c == L'd' ? d : 0;
    return flags;
}

// The first file that matches pattern, or "" while there is none
std::wstring Match(const std::wstring& pattern) {
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return L"";
    FindClose(find);
    return pattern.substr(0, pattern.find_last_of(L"\\/") + 1) + found.cFileName;
}

// Ctrl-C reaches every program of the console; this one goes on to report how the other ended.
BOOL WINAPI Survive(DWORD) {
    return TRUE;
}

int PressCtrlC(int argc, wchar_t** argv) {
    std::wstring command;
    for (int i = 3; i < argc; ++i) command += std::wstring(i > 3 ? L" \"" : L"\"") + argv[i] + L"\"";
    SetConsoleCtrlHandler(Survive, TRUE);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    while (Match(argv[2]).empty() && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    }
    GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 3 && std::wstring(argv[1]) == L"ctrl-c") return PressCtrlC(argc, argv);
    if (argc != 5) {
        std::fputs("usage: hold-file r|w|rw SHARE MILLISECONDS PATH\n", stderr);
        return 2;
    }
    const DWORD access = Flags(argv[1], GENERIC_READ, GENERIC_WRITE, 0);
    const DWORD share = Flags(argv[2], FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_DELETE);
    const std::wstring path = argv[4];
    const bool waits = path.find(L'*') != std::wstring::npos;
    HANDLE handle = INVALID_HANDLE_VALUE;
    // A file that appears may go again before it is opened; then the wait goes on.
    for (DWORD start = GetTickCount(); handle == INVALID_HANDLE_VALUE && GetTickCount() - start < 10000;) {
        const std::wstring name = waits ? Match(path) : path;
        if (!name.empty())
            handle = CreateFileW(name.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (!waits) break;
    }
    if (handle == INVALID_HANDLE_VALUE) return 1;
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
    CloseHandle(handle);
    return 0;
}
