// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "screen_history.h"
#include "summary.h"

namespace mokopi::bench {
namespace {

// A screen of 4 x 2 pixels, all of one colour.
Area screen(std::uint32_t colour) { return {0, 0, 4, 2, std::vector<std::uint32_t>(8, colour)}; }

Area patch(int x, int y, int width, int height, std::uint32_t colour)
{
    return {x, y, width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), colour)};
}

TEST(ScreenHistoryTest, FirstFrameIsTheEarliestReportAfterWhichTheScreenShowedTheSettledPicture)
{
    ScreenHistory history(screen(0));
    EXPECT_TRUE(history.add(10, {patch(0, 0, 4, 2, 7)}));                        // a blank window
    EXPECT_TRUE(history.add(20, {patch(0, 0, 2, 2, 9)}));                        // half of the picture
    EXPECT_TRUE(history.add(30, {patch(2, 0, 2, 1, 9), patch(2, 1, 2, 1, 9)}));  // the rest: settled from here
    EXPECT_FALSE(history.add(40, {patch(0, 0, 4, 2, 9)}));                       // drawn again, unchanged: not kept
    EXPECT_EQ(history.changeCount(), 3u);
    EXPECT_EQ(history.lastChangeMs(), 30);
    EXPECT_EQ(history.current().pixels, screen(9).pixels);
    EXPECT_EQ(history.changeMs(history.firstShowingCurrent().value()), 30);

    // A flash that goes again leaves the first frame where it was.
    EXPECT_TRUE(history.add(50, {patch(1, 1, 1, 1, 3)}));
    EXPECT_TRUE(history.add(60, {patch(1, 1, 1, 1, 9)}));
    EXPECT_EQ(history.changeMs(history.firstShowingCurrent().value()), 30);
    // A picture that comes back counts from when it was first shown.
    EXPECT_TRUE(history.add(70, {patch(0, 0, 4, 2, 7)}));
    EXPECT_EQ(history.changeMs(history.firstShowingCurrent().value()), 10);
}

TEST(ScreenHistoryTest, AreasReachingOffTheScreenChangeOnlyWhatIsOnIt)
{
    ScreenHistory history(screen(0));
    EXPECT_FALSE(history.add(5, {patch(4, 0, 3, 2, 5), patch(-3, -3, 2, 2, 5)}));
    EXPECT_TRUE(history.add(10, {patch(3, 1, 3, 3, 5)}));
    EXPECT_EQ(history.current().pixels, (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0, 0, 5}));
}

TEST(ScreenHistoryTest, NothingDrawnHasNoFirstFrame)
{
    ScreenHistory history(screen(0));
    EXPECT_FALSE(history.add(10, {}));
    EXPECT_FALSE(history.firstShowingCurrent().has_value());
}

TEST(SummaryTest, MedianOfOddAndEvenCountsWithRange)
{
    const Summary odd = summarise({30, 10, 20});
    EXPECT_EQ(odd.median, 20);
    EXPECT_EQ(odd.min, 10);
    EXPECT_EQ(odd.max, 30);
    EXPECT_EQ(summarise({40, 10, 30, 20}).median, 25);
}

}  // namespace
}  // namespace mokopi::bench
