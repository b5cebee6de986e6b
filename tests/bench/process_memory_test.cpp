// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <unistd.h>

#include "child_process.h"
#include "process_memory.h"

namespace mokopi::bench {
namespace {

TEST(ProcessMemoryTest, ResidentMemoryIsReadFromItsOwnLine)
{
    EXPECT_EQ(residentKibIn("Name:\tmokopi\nVmHWM:\t   50000 kB\nVmRSS:\t   46184 kB\nRssAnon:\t 9000 kB\n"), 46184);
    EXPECT_EQ(residentKibIn("Name:\tmokopi\n"), -1);
    EXPECT_GT(residentKib(getpid()), 0);
}

TEST(ProcessMemoryTest, MappedLibrariesAreFoundByTheStartOfTheirFileNames)
{
    const std::string maps = "7f00-7f10 r--p 00000000 08:01 12 /usr/lib/x86_64-linux-gnu/libQt6Network.so.6.4.2\n"
                             "7f10-7f20 r-xp 00010000 08:01 12 /usr/lib/x86_64-linux-gnu/libQt6Network.so.6.4.2\n"
                             "7f20-7f30 r--p 00000000 08:01 13 /usr/lib/x86_64-linux-gnu/libpulse.so.0.24.2\n"
                             "7f30-7f40 r--p 00000000 08:01 14 /usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6\n"
                             "7f40-7f50 r--p 00000000 08:01 15 /opt/libpulse/libQt6Gui.so.6\n"
                             "7f50-7f60 rw-p 00000000 00:00 0 [heap]\n"
                             "7f60-7f70 rw-p 00000000 00:00 0\n";
    EXPECT_EQ(librariesIn(maps, {"libQt6Multimedia", "libpulse", "libQt6Network"}),
              (std::vector<std::string>{"libQt6Network.so.6.4.2", "libpulse.so.0.24.2"}));

    const auto mine = mappedLibraries(getpid(), {"libc.so"});
    EXPECT_EQ(mine, std::vector<std::string>{"libc.so.6"});
}

TEST(ProcessMemoryTest, AProcessThatHasEndedHasNoFigures)
{
    pid_t pid = 0;
    {
        ChildProcess child(Launch{{"sleep", "60"}, {}});
        pid = child.pid();
        EXPECT_GT(residentKib(pid), 0);
    }
    EXPECT_EQ(residentKib(pid), -1);
    EXPECT_TRUE(mappedLibraries(pid, {"libc.so"}).empty());
}

}  // namespace
}  // namespace mokopi::bench
