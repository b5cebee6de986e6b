// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace mokopi::bench {

struct Launch {
    std::vector<std::string> arguments;    // the program first, found on PATH
    std::vector<std::string> environment;  // NAME=value over this process's own; NAME alone: unset
    std::string outputFile = "/dev/null";  // its standard output and error
};

// A program started with fork and exec. It ends with this object, and with
// this process if that ends first (a benchmark stopped half-way leaves no
// program or X server behind).
class ChildProcess {
public:
    explicit ChildProcess(const Launch& launch);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Readable once the program has ended: for poll().
    int endFd() const { return endFd_; }
    bool hasEnded();
    // How it ended, e.g. "exited with status 2"; empty while it runs.
    std::string howItEnded() const;
    // Asks it to end, and kills it if it has not within a second.
    void stop();

private:
    pid_t pid_ = -1;
    int endFd_ = -1;
    int status_ = 0;
    bool ended_ = false;
};

}  // namespace mokopi::bench
