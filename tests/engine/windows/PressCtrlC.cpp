// press-ctrl-c: Ctrl-C (or Ctrl-Break) in the middle of a save.
//   press-ctrl-c ctrl-c|ctrl-break GPX CSV
// Converts GPX into CSV and, once the last lines are in the temporary file, presses the key in
// its console and waits there (a minute at most): the event always meets the save half done.
// Prints "passed on" if the event reaches a handler put in place before the save's own. Exits
// 0 only if the conversion got to its end.
#include "RunConversion.h"
#include "Utf16.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL WINAPI PassedOn(DWORD) {
    std::fputs("passed on\n", stdout);
    std::fflush(stdout);
    return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring key = argc == 4 ? argv[1] : L"";
    if (key != L"ctrl-c" && key != L"ctrl-break") return 2;
    SetConsoleCtrlHandler(nullptr, FALSE);  // taken even where the test's starter ignores Ctrl-C
    SetConsoleCtrlHandler(PassedOn, TRUE);
    corvane::RunOptions options;
    options.inputs = {{corvane::Utf8(argv[2])}};
    options.output.path = corvane::Utf8(argv[3]);
    options.mayReplace = [](const std::string&) { return true; };
    options.progress = [event = key == L"ctrl-c" ? CTRL_C_EVENT : CTRL_BREAK_EVENT](const corvane::RunProgress& p) {
        if (p.waypoints == 0) return;
        GenerateConsoleCtrlEvent(event, 0);
        Sleep(60'000);
    };
    return corvane::RunConversion(options).outcome == corvane::RunOutcome::Written ? 0 : 1;
}
