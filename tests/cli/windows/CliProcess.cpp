// Child processes on Windows, their standard streams files in a private folder. Windows has no
// pseudo-terminal a test could type into, and the code page comes from the system, not LC_ALL.
#include "CliProcess.h"

#include "TempDir.h"
#include "Utf16.h"

#include <windows.h>

#include <stdexcept>

namespace corvane::testing {
namespace {

// One argument quoted the way the C runtime's command-line parser reads it back
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes double before a quote (the argument's own or the closing one) and only there.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

HANDLE OpenInherited(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE handle = CreateFileW(Utf16(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    return handle;
}

}  // namespace

bool TerminalAvailable() {
    return false;
}

CliResult RunCli(const CliRun& run) {
    if (run.terminal) throw std::runtime_error("no terminal to type into on Windows");
    TempDir streams;
    const std::string in = streams.Write("in", run.input);
    const std::string out = run.stdoutPath.empty() ? streams.path("out") : run.stdoutPath;
    const std::string err = streams.path("err");

    std::wstring commandLine = Quoted(Utf16(CORVANE_CLI));
    for (const std::string& arg : run.args) commandLine += L" " + Quoted(Utf16(arg));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = OpenInherited(in, GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = OpenInherited(out, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = OpenInherited(err, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    if (!started) throw std::runtime_error("cannot start " + std::string(CORVANE_CLI));

    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    CliResult result;
    result.status = static_cast<int>(status);
    if (run.stdoutPath.empty()) result.out = ReadFile(out);
    result.err = ReadFile(err);
    return result;
}

CliResult RunCli(std::vector<std::string> args) {
    CliRun run;
    run.args = std::move(args);
    return RunCli(run);
}

}  // namespace corvane::testing
