#pragma once
// Runs a program of ours as a child process with arguments given as bytes, standard input from a
// file of any kind and, when asked, a largest file size (a disk that fills after so many bytes of
// one file: writes beyond it fail with EFBIG). Standard error is returned; standard output is
// discarded.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmarsund::testing {

struct ProgramResult {
    int exitCode = -1; // -1 when the program ended by a signal
    std::string err;
};

inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& inputPath = "/dev/null", long long largestFile = -1) {
    char errName[] = "/tmp/velmarsund-program-err-XXXXXX";
    const int errFd = ::mkstemp(errName);
    if (errFd < 0) return {};
    // Everything the child needs is made before the fork: it only calls what is safe there.
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const rlimit limit{static_cast<rlim_t>(largestFile), static_cast<rlim_t>(largestFile)};
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open(inputPath.c_str(), O_RDONLY);
        if (in < 0) ::_exit(120);
        const int out = ::open("/dev/null", O_WRONLY);
        ::dup2(in, STDIN_FILENO);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        if (largestFile >= 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(121);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ProgramResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ::lseek(errFd, 0, SEEK_SET);
    char buffer[4096];
    for (ssize_t n; (n = ::read(errFd, buffer, sizeof buffer)) > 0;)
        result.err.append(buffer, static_cast<std::size_t>(n));
    ::close(errFd);
    ::unlink(errName);
    return result;
}

} // namespace velmarsund::testing
