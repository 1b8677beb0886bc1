// Running corvane-cli.exe through CreateProcessW, its standard streams files in a private folder.
// Windows has no pseudo-terminal a test could type into.
#include "RunCli.h"

#include "Support.h"
#include "Utf16.h"

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

HANDLE Inherited(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE handle = CreateFileW(Utf16(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    return handle;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input, bool terminal) {
    if (terminal) throw std::runtime_error("no terminal to type into on Windows");
    TempDir dir;
    std::wstring commandLine = Quoted(Utf16(CORVANE_CLI));
    for (const std::string& arg : args) commandLine += L" " + Quoted(Utf16(arg));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = Inherited(dir.Write("in", input), GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = Inherited(dir.path("out"), GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = Inherited(dir.path("err"), GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    for (const HANDLE stream : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(stream);
    if (!started) throw std::runtime_error("cannot start " CORVANE_CLI);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {static_cast<int>(status), ReadFile(dir.path("out")), ReadFile(dir.path("err"))};
}

bool TerminalAvailable() {
    return false;
}

}  // namespace corvane::testing
