#pragma once
// Runs a routine in a forked child with the given standard input and collects its standard output
// and exit status; for routines that may end the process.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

struct ChildResult {
    int exitCode;        // -1 when the child did not exit normally
    std::string output;  // everything the child wrote to standard output
};

// The child exits with 0 when body returns.
inline ChildResult runInChild(const std::function<void()>& body, const std::string& input = "") {
    int toChild[2];
    int fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) std::abort();
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) std::abort();
    if (pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        close(toChild[0]);
        close(toChild[1]);
        close(fromChild[0]);
        close(fromChild[1]);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    close(toChild[0]);
    close(fromChild[1]);
    if (!input.empty() &&
        write(toChild[1], input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
        std::abort();
    }
    close(toChild[1]);
    ChildResult result{-1, ""};
    char chunk[512];
    for (ssize_t got; (got = read(fromChild[0], chunk, sizeof chunk)) > 0;) result.output.append(chunk, got);
    close(fromChild[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}
