// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include "child_process.h"

namespace mokopi::bench {
namespace {

namespace fs = std::filesystem;

class ChildProcessTest : public ::testing::Test {
protected:
    ~ChildProcessTest() override { fs::remove(output_); }

    // Runs a program to its end; returns what it printed.
    std::string run(std::vector<std::string> arguments, std::vector<std::string> environment = {})
    {
        ChildProcess child(Launch{std::move(arguments), std::move(environment), output_.string()});
        pollfd end{child.endFd(), POLLIN, 0};
        EXPECT_EQ(poll(&end, 1, 10000), 1);
        EXPECT_TRUE(child.hasEnded());
        howItEnded_ = child.howItEnded();
        return printed();
    }

    std::string printed() const
    {
        std::ifstream in(output_);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path output_ = fs::temp_directory_path() / ("child_process_test_" + std::to_string(getpid()));
    std::string howItEnded_;
};

TEST_F(ChildProcessTest, EnvironmentEntriesSetReplaceAndTakeOutVariables)
{
    setenv("MOKOPI_KEPT", "kept", 1);
    setenv("MOKOPI_REPLACED", "old", 1);
    setenv("MOKOPI_REMOVED", "there", 1);
    EXPECT_EQ(run({"sh", "-c", "echo $MOKOPI_KEPT $MOKOPI_REPLACED $MOKOPI_NEW ${MOKOPI_REMOVED-gone} 1>&2"},
                  {"MOKOPI_REPLACED=new", "MOKOPI_NEW=a=b", "MOKOPI_REMOVED"}),
              "kept new a=b gone\n");
    EXPECT_EQ(howItEnded_, "exited with status 0");
}

TEST_F(ChildProcessTest, HowItEndedTellsStatusSignalAndAProgramThatCannotStart)
{
    run({"sh", "-c", "exit 4"});
    EXPECT_EQ(howItEnded_, "exited with status 4");
    run({"sh", "-c", "kill -9 $$"});
    EXPECT_EQ(howItEnded_, "was killed by signal 9");
    EXPECT_EQ(run({"/nonexistent/program"}), "cannot start /nonexistent/program: No such file or directory\n");
    EXPECT_EQ(howItEnded_, "exited with status 127");
}

TEST_F(ChildProcessTest, StopEndsAProgramThatIgnoresTheRequest)
{
    ChildProcess stubborn(
        Launch{{"sh", "-c", "trap '' TERM; echo deaf; while :; do sleep 1; done"}, {}, output_.string()});
    const pid_t pid = stubborn.pid();
    for (int waited = 0; printed() != "deaf\n" && waited < 5000; waited += 10)
        usleep(10000);
    stubborn.stop();
    EXPECT_EQ(stubborn.howItEnded(), "was killed by signal 9");
    EXPECT_EQ(kill(pid, 0), -1);
}

}  // namespace
}  // namespace mokopi::bench
