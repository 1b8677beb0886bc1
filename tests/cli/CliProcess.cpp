// Child processes whose standard streams are files in a private folder, so no pipe has to be
// fed or drained while the child runs; only a terminal's output is read as it comes.
#include "CliProcess.h"

#include "TempDir.h"

#include <fcntl.h>
#include <grp.h>
#include <malloc.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace corvane::testing {

bool TerminalAvailable() {
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return false;
    close(master);
    close(slave);
    return true;
}

CliResult RunCli(const CliRun& run) {
    TempDir streams;
    const std::string in = streams.Write("in", run.input);
    const std::string out = run.stdoutPath.empty() ? streams.path("out") : run.stdoutPath;
    const std::string err = streams.path("err");

    int master = -1, slave = -1;
    if (run.terminal) {
        if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
        // Typed ahead: the terminal holds the line until the child reads it.
        if (write(master, run.input.data(), run.input.size()) != static_cast<ssize_t>(run.input.size()))
            throw std::runtime_error("typing into the terminal failed");
    }

    std::vector<std::string> argTexts{CORVANE_CLI};
    argTexts.insert(argTexts.end(), run.args.begin(), run.args.end());
    std::vector<char*> argv;
    for (std::string& text : argTexts) argv.push_back(text.data());
    argv.push_back(nullptr);

    // The child starts with the test's resident size, which its peak then includes: give back what is free.
    malloc_trim(0);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        unsetenv("LC_CTYPE");
        unsetenv("LANG");
        setenv("LC_ALL", run.locale.c_str(), 1);
        const int created = O_WRONLY | O_CREAT | O_TRUNC;
        dup2(run.terminal ? slave : open(in.c_str(), O_RDONLY), STDIN_FILENO);
        dup2(open(out.c_str(), created, 0644), STDOUT_FILENO);
        dup2(run.terminal ? slave : open(err.c_str(), created, 0644), STDERR_FILENO);
        if (run.terminal) close(master);
        if (run.memoryKb > 0) {
            const rlimit cap{static_cast<rlim_t>(run.memoryKb) * 1024, static_cast<rlim_t>(run.memoryKb) * 1024};
            setrlimit(RLIMIT_AS, &cap);
        }
        if (run.unprivileged && getuid() == 0) {
            const gid_t nobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(126);
        }
        alarm(60);  // an alarm outlives exec
        execv(CORVANE_CLI, argv.data());
        _exit(127);
    }

    CliResult result;
    if (run.terminal) {
        close(slave);
        // Once the child has gone the terminal reports EIO rather than an end.
        char buffer[4096];
        for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR);)
            if (n > 0) result.err.append(buffer, static_cast<std::size_t>(n));
        close(master);
    }
    if (run.whileRunning) run.whileRunning(pid);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.peakKb = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (run.stdoutPath.empty()) result.out = ReadFile(out);
    if (!run.terminal) result.err = ReadFile(err);
    return result;
}

CliResult RunCli(std::vector<std::string> args) {
    CliRun run;
    run.args = std::move(args);
    return RunCli(run);
}

}  // namespace corvane::testing
