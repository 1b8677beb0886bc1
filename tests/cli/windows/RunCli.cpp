// Running corvane-cli.exe for a minute at most, its standard streams files in a private folder.
// Windows has no pseudo-terminal a test could type into.
#include "RunCli.h"

#include "Support.h"
#include "Utf16.h"
#include "windows/ChildProcess.h"

#include <windows.h>

#include <stdexcept>

namespace corvane::testing {
namespace {

// One argument quoted the way the C runtime's command-line parser reads it back: backslashes
// double before a quote (the argument's own or the closing one) and only there.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    return quoted.append(backslashes * 2, L'\\') + L"\"";
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input, bool terminal) {
    if (terminal) throw std::runtime_error("no terminal to type into on Windows");
    TempDir dir;
    std::wstring commandLine = Quoted(Utf16(CORVANE_CLI));
    for (const std::string& arg : args) commandLine += L" " + Quoted(Utf16(arg));
    ChildProcess cli(commandLine, InheritedFile(dir.Write("in", input), GENERIC_READ),
                     InheritedFile(dir.path("out"), GENERIC_WRITE, CREATE_ALWAYS),
                     InheritedFile(dir.path("err"), GENERIC_WRITE, CREATE_ALWAYS));
    const DWORD status = cli.Wait().value_or(-1);
    return {static_cast<int>(status), ReadFile(dir.path("out")), ReadFile(dir.path("err"))};
}

bool TerminalAvailable() {
    return false;
}

}  // namespace corvane::testing
