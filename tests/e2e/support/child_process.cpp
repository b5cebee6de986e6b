#include "support/child_process.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace mokopi::e2e {

namespace {

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides)
{
    std::vector<std::string> merged;
    auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const std::string& o : overrides)
            replaced = replaced || nameOf(o) == nameOf(entry);
        if (!replaced)
            merged.push_back(entry);
    }
    merged.insert(merged.end(), overrides.begin(), overrides.end());
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

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options)
{
    // Everything the child needs is prepared before fork: after it, only
    // async-signal-safe calls are allowed.
    std::vector<std::string> args = argv;
    std::vector<std::string> env = mergedEnvironment(options.environment);
    std::vector<char*> argp = pointers(args), envp = pointers(env);
    const int log = open(options.logFile.empty() ? "/dev/null" : options.logFile.c_str(),
                         O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (log < 0 || null < 0)
        throw std::runtime_error("cannot open the log of " + argv.at(0));

    pid_ = fork();
    if (pid_ == 0) {
        // A test killed by its time limit takes its programs with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setpgid(0, 0);
        dup2(null, 0);
        dup2(options.stdoutFd >= 0 ? options.stdoutFd : log, 1);
        dup2(log, 2);
        if (options.passAsFd3 >= 0)
            dup2(options.passAsFd3, 3);
        execvpe(argp[0], argp.data(), envp.data());
        _exit(127);
    }
    close(log);
    close(null);
    if (pid_ < 0)
        throw std::runtime_error("cannot start " + argv.at(0));
    setpgid(pid_, pid_);  // also here, so the group exists before anyone signals it
}

ChildProcess::~ChildProcess() { stop(); }

void ChildProcess::reap(int status)
{
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    // Anything the program left behind in its group goes with it.
    kill(-pid_, SIGKILL);
}

bool ChildProcess::isRunning()
{
    if (exitStatus_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_)
        reap(status);
    return !exitStatus_;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (isRunning() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return exitStatus_;
}

void ChildProcess::stop()
{
    if (pid_ <= 0 || !isRunning())
        return;
    kill(-pid_, SIGTERM);
    if (!waitForExit(std::chrono::seconds(3))) {
        kill(-pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        reap(status);
    }
}

int runToEnd(const std::vector<std::string>& argv, const ChildProcess::Options& options,
             std::chrono::milliseconds limit)
{
    ChildProcess child(argv, options);
    const auto status = child.waitForExit(limit);
    if (!status)
        throw std::runtime_error(argv.at(0) + " did not end in time");
    return *status;
}

}  // namespace mokopi::e2e
