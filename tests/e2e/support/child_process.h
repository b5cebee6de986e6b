#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace mokopi::e2e {

// A program a test starts: in a process group of its own, with the test's
// environment plus `environment` ("NAME=value", replacing a variable of the
// same name), its output appended to `logFile` (or discarded). Whatever is
// still running when the object goes is killed with its whole group.
class ChildProcess {
public:
    struct Options {
        std::vector<std::string> environment;
        std::string logFile;
        // A descriptor the program keeps open as its descriptor 3.
        int passAsFd3 = -1;
        // Its standard output goes into this descriptor instead of the log.
        int stdoutFd = -1;
    };

    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool isRunning();
    // The exit status (128 + signal when killed), or nothing if it still
    // runs when the time is up.
    std::optional<int> waitForExit(std::chrono::milliseconds limit);
    // SIGTERM to the group, then SIGKILL if it has not ended after a moment.
    void stop();

private:
    void reap(int status);

    pid_t pid_ = -1;
    std::optional<int> exitStatus_;
};

// Runs a program to its end and returns its exit status.
int runToEnd(const std::vector<std::string>& argv, const ChildProcess::Options& options,
             std::chrono::milliseconds limit = std::chrono::seconds(20));

}  // namespace mokopi::e2e
