// A program a Windows test starts, kept from outliving the test or holding its output open.
#pragma once

#include "Utf16.h"

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace corvane::testing {

// An inheritable handle on the file at path, for a child's standard stream
inline HANDLE InheritedFile(const std::string& path, DWORD access, DWORD disposition = OPEN_EXISTING) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE handle = CreateFileW(Utf16(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
    return handle;
}

// The program runs in a job object that ends it, and whatever it starts, when this is destroyed
// (the test goes on or gives up) or the test itself is ended. Its standard streams are the
// handles given (inheritable, closed here), NUL for none, never the test's own: a program left
// running then holds no pipe of CTest's open.
class ChildProcess {
public:
    explicit ChildProcess(std::wstring commandLine, HANDLE in = nullptr, HANDLE out = nullptr, HANDLE err = nullptr,
                          DWORD flags = 0)
        : job_(CreateJobObjectW(nullptr, nullptr)) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        for (const DWORD stream : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
            SetHandleInformation(GetStdHandle(stream), HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = in ? in : InheritedFile("NUL", GENERIC_READ);
        startup.hStdOutput = out ? out : InheritedFile("NUL", GENERIC_WRITE);
        startup.hStdError = err ? err : InheritedFile("NUL", GENERIC_WRITE);
        // Suspended until it is in the job, so that nothing it starts escapes.
        const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                            flags | CREATE_SUSPENDED, nullptr, nullptr, &startup, &process_);
        for (const HANDLE stream : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(stream);
        if (!started) throw std::runtime_error("cannot start " + Utf8(commandLine));
        if (!AssignProcessToJobObject(job_, process_.hProcess)) TerminateProcess(process_.hProcess, 1);
        ResumeThread(process_.hThread);
    }
    ~ChildProcess() {
        TerminateJobObject(job_, 1);
        WaitForSingleObject(process_.hProcess, 10'000);
        for (const HANDLE handle : {job_, process_.hProcess, process_.hThread}) CloseHandle(handle);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Its exit status once it has ended; none when it runs on for longer than milliseconds
    std::optional<DWORD> Wait(DWORD milliseconds = 60'000) {
        DWORD status = 0;
        if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
        GetExitCodeProcess(process_.hProcess, &status);
        return status;
    }

private:
    HANDLE job_;
    PROCESS_INFORMATION process_{};
};

}  // namespace corvane::testing
