// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "child_process.h"

#include <cstring>
#include <map>
#include <stdexcept>
#include <string_view>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace mokopi::bench {

namespace {

// This process's environment with extra's entries put in; an entry with no
// "=" takes the variable out.
std::vector<std::string> mergedEnvironment(const std::vector<std::string>& extra)
{
    std::map<std::string, std::string> byName;
    for (char** entry = environ; *entry != nullptr; ++entry)
        byName[std::string(*entry).substr(0, std::string_view(*entry).find('='))] = *entry;
    for (const std::string& entry : extra)
        if (entry.find('=') == std::string::npos)
            byName.erase(entry);
        else
            byName[entry.substr(0, entry.find('='))] = entry;
    std::vector<std::string> merged;
    for (auto& [name, entry] : byName)
        merged.push_back(std::move(entry));
    return merged;
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

}  // namespace

ChildProcess::ChildProcess(const Launch& launch)
{
    // Everything exec needs is built before the fork.
    std::vector<std::string> arguments = launch.arguments;
    std::vector<std::string> environment = mergedEnvironment(launch.environment);
    const std::vector<char*> argv = pointers(arguments);
    const std::vector<char*> envp = pointers(environment);
    const int output = open(launch.outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (output < 0)
        throw std::runtime_error("cannot write " + launch.outputFile);
    const pid_t parent = getpid();

    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        execvpe(argv[0], argv.data(), envp.data());
        const std::string why = "cannot start " + arguments[0] + ": " + std::strerror(errno) + "\n";
        (void)!write(STDERR_FILENO, why.data(), why.size());
        _exit(127);
    }
    close(output);
    if (pid_ < 0)
        throw std::runtime_error("cannot fork");
    endFd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
}

ChildProcess::~ChildProcess()
{
    stop();
    if (endFd_ >= 0)
        close(endFd_);
}

bool ChildProcess::hasEnded()
{
    if (!ended_ && waitpid(pid_, &status_, WNOHANG) == pid_)
        ended_ = true;
    return ended_;
}

std::string ChildProcess::howItEnded() const
{
    if (!ended_)
        return {};
    if (WIFEXITED(status_))
        return "exited with status " + std::to_string(WEXITSTATUS(status_));
    return "was killed by signal " + std::to_string(WTERMSIG(status_));
}

void ChildProcess::stop()
{
    if (pid_ <= 0 || hasEnded())
        return;
    kill(pid_, SIGTERM);
    pollfd end{endFd_, POLLIN, 0};
    if (endFd_ < 0 || poll(&end, 1, 1000) <= 0)
        kill(pid_, SIGKILL);
    ended_ = waitpid(pid_, &status_, 0) == pid_;
}

}  // namespace mokopi::bench
