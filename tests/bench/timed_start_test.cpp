// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up watcher on an Xvfb screen of the test's own, against a
// program that draws in a known way. Nothing here is a speed target: the
// limits are short only so that the tests end soon.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <signal.h>

#include "timed_start.h"
#include "virtual_screen.h"

namespace mokopi::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t Red = 0xff0000, Blue = 0x0000ff;

class TimedStartTest : public ::testing::Test {
protected:
    ~TimedStartTest() override { fs::remove(output_); }

    TimedStart start(const char* mode)
    {
        fs::remove(output_);
        Launch painter{{SCREEN_PAINTER, mode}, {"DISPLAY=" + screen_.name()}, output_.string()};
        return timeStart(watch_, painter, {.memoryAtMs = 300, .settleMs = 600, .giveUpMs = 2000});
    }

    // The painter of the last start prints its process id first.
    bool painterStillRuns() const
    {
        pid_t pid = 0;
        std::ifstream(output_) >> pid;
        return pid > 0 && (kill(pid, 0) == 0 || errno != ESRCH);
    }

    static std::uint32_t pixelAt(const Area& picture, int x, int y)
    {
        return picture.pixels.at(static_cast<std::size_t>(y * picture.width + x));
    }

    fs::path output_ = fs::temp_directory_path() / ("screen_painter_" + std::to_string(getpid()));
    VirtualScreen screen_{320, 240, false, "/dev/null"};
    DamageWatch watch_{screen_.name()};
};

TEST_F(TimedStartTest, FirstFrameIsTheEarliestShowingTheSettledPictureAndFiguresComeWithIt)
{
    const TimedStart late = start("late");
    ASSERT_EQ(late.failure, "");
    EXPECT_EQ(pixelAt(late.settledPicture, 50, 50), Blue);
    EXPECT_EQ(pixelAt(late.settledPicture, 5, 5), pixelAt(late.settledPicture, 300, 230));  // the background
    // The red window came first; the frame that counts is the blue one.
    EXPECT_GE(late.firstFrameMs, 400);
    EXPECT_GT(late.residentKib, 0);
    EXPECT_TRUE(late.lateLibrariesAtFirstFrame.empty());
    EXPECT_FALSE(painterStillRuns());

    // The screen is as before, so that the next run starts from the same.
    const TimedStart again = start("late");
    ASSERT_EQ(again.failure, "");
    EXPECT_EQ(pixelAt(again.settledPicture, 50, 50), Blue);
    EXPECT_GE(again.firstFrameMs, 400);
}

TEST_F(TimedStartTest, ProgramsThatNeverDrawNeverSettleEndEarlyOrShowABoxFailWithAReasonAndAreEnded)
{
    EXPECT_EQ(start("never").failure, "drew nothing within 2.0 s");
    EXPECT_FALSE(painterStillRuns());

    const TimedStart flicker = start("flicker");
    EXPECT_TRUE(flicker.failure.starts_with("did not settle within 2.0 s")) << flicker.failure;
    EXPECT_FALSE(painterStillRuns());

    EXPECT_EQ(start("box").failure, "showed a dialog box");
    EXPECT_FALSE(painterStillRuns());

    const TimedStart crash = start("crash");
    EXPECT_TRUE(crash.failure.starts_with("exited with status 3 after ")) << crash.failure;
    EXPECT_EQ(crash.firstFrameMs, -1);
}

}  // namespace
}  // namespace mokopi::bench
