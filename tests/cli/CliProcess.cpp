// Child processes through posix_spawn, with a poll loop that feeds standard input while
// draining the outputs, so neither side can block the other.
#include "CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace corvane::testing {
namespace {

void Close(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// Both ends of a pipe; whichever end is still open is closed with it.
struct Pipe {
    int read = -1, write = -1;
    Pipe() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
        read = fds[0];
        write = fds[1];
    }
    ~Pipe() {
        Close(read);
        Close(write);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
};

// The parent's environment without locale settings, plus LC_ALL
std::vector<std::string> ChildEnvironment(const std::string& locale) {
    std::vector<std::string> env;
    for (char** var = environ; *var; ++var) {
        std::string_view entry = *var;
        if (entry.starts_with("LC_ALL=") || entry.starts_with("LC_CTYPE=") || entry.starts_with("LANG=")) continue;
        env.emplace_back(entry);
    }
    env.push_back("LC_ALL=" + locale);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Drain readers into their strings and feed input to writeFd until every reader has ended
void Exchange(int& writeFd, std::string_view input, std::vector<std::pair<int*, std::string*>> readers) {
    fcntl(writeFd, F_SETFL, O_NONBLOCK);
    if (input.empty()) Close(writeFd);
    for (;;) {
        std::vector<pollfd> polled;
        for (auto& reader : readers)
            if (*reader.first >= 0) polled.push_back({*reader.first, POLLIN, 0});
        if (polled.empty()) break;
        if (writeFd >= 0) polled.push_back({writeFd, POLLOUT, 0});
        if (poll(polled.data(), polled.size(), -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
        for (const pollfd& p : polled) {
            if (!p.revents) continue;
            if (p.fd == writeFd) {
                ssize_t n = ::write(writeFd, input.data(), input.size());
                if (n > 0) input.remove_prefix(static_cast<std::size_t>(n));
                // A child that stops reading early is no fault of the writer.
                if (n < 0 && errno != EAGAIN) input = {};
                if (input.empty()) Close(writeFd);
                continue;
            }
            for (auto& reader : readers) {
                if (*reader.first != p.fd) continue;
                char buffer[65536];
                ssize_t n = ::read(p.fd, buffer, sizeof buffer);
                if (n > 0) reader.second->append(buffer, static_cast<std::size_t>(n));
                // A terminal whose other side has closed reports EIO instead of an end.
                else if (n == 0 || errno != EINTR)
                    Close(*reader.first);
            }
        }
    }
    Close(writeFd);
}

}  // namespace

CliResult RunCli(const CliRun& run) {
    // Writing to a child that has already exited must not end the test program.
    signal(SIGPIPE, SIG_IGN);

    Pipe in, out, err;
    int master = -1, slave = -1;
    if (run.terminal) {
        if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
        fcntl(master, F_SETFD, FD_CLOEXEC);
        fcntl(slave, F_SETFD, FD_CLOEXEC);
        // Typed ahead: the terminal holds the line until the child reads it.
        if (::write(master, run.input.data(), run.input.size()) != static_cast<ssize_t>(run.input.size()))
            throw std::runtime_error("typing into the terminal failed");
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, run.terminal ? slave : in.read, STDIN_FILENO);
    if (run.stdoutPath.empty())
        posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, run.stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    posix_spawn_file_actions_adddup2(&actions, run.terminal ? slave : err.write, STDERR_FILENO);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> argvTexts{CORVANE_CLI};
    argvTexts.insert(argvTexts.end(), run.args.begin(), run.args.end());
    std::vector<std::string> envTexts = ChildEnvironment(run.locale);
    std::vector<char*> argv = Pointers(argvTexts), envp = Pointers(envTexts);

    pid_t pid;
    int spawned = posix_spawn(&pid, CORVANE_CLI, &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    Close(in.read);
    Close(out.write);
    Close(err.write);
    Close(slave);
    if (spawned != 0) throw std::runtime_error("posix_spawn failed");

    CliResult result;
    std::string_view pipedInput = run.terminal ? std::string_view() : std::string_view(run.input);
    Exchange(in.write, pipedInput, {{&out.read, &result.out}, {&err.read, &result.err}, {&master, &result.err}});

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

CliResult RunCli(std::vector<std::string> args) {
    CliRun run;
    run.args = std::move(args);
    return RunCli(run);
}

bool TerminalAvailable() {
    int master, slave;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return false;
    close(master);
    close(slave);
    return true;
}

}  // namespace corvane::testing
