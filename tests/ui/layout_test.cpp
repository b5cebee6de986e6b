#include <gtest/gtest.h>

#include "ui/grid_layout.h"

using namespace mokopi::ui;

TEST(WindowLayout, SizesAndFontsFromTheScreenHeight)
{
    struct Case {
        int screen;
        float twips;
        int outer, base, buttons, clock, hint;
    };
    const Case cases[] = {
        {768, 7680.0f, 512, 12, 12, 24, 11},
        {1080, 10800.0f, 720, 15, 15, 30, 14},
        {1050, 10500.0f, 700, 15, 15, 30, 14},  // 10.5 rounds down
    };
    for (const Case& c : cases) {
        const WindowLayout l = computeWindowLayout(c.screen, {});
        EXPECT_FLOAT_EQ(l.windowTwips, c.twips) << c.screen;
        EXPECT_EQ(l.outerPixels, c.outer) << c.screen;
        EXPECT_EQ(l.baseFontSize, c.base) << c.screen;
        EXPECT_EQ(l.buttonFontSize(), c.buttons) << c.screen;
        EXPECT_EQ(l.clockFontSize(), c.clock) << c.screen;
        EXPECT_EQ(l.hintFontSize(), c.hint) << c.screen;
    }
}

TEST(WindowLayout, OuterSquareLeavesTheGridTheClientArea)
{
    // The frame and the menu bar come out of the square, so the grid is
    // wider than tall.
    const WindowLayout l = computeWindowLayout(768, Decorations{8, 30, 22});
    EXPECT_EQ(l.outerPixels, 512);
    EXPECT_EQ(l.clientWidth, 504);
    EXPECT_EQ(l.clientHeight, 460);

    // Cells meet without gaps or overlaps, and the grid ends at the edges.
    const PixelRect img = l.cell(0, 0, 8, 8);
    const PixelRect hour = l.cell(8, 4, 1, 1), day = l.cell(9, 4, 1, 1);
    const PixelRect pic = l.cell(0, 8, 10, 2);
    EXPECT_EQ(img.x + img.width, hour.x);
    EXPECT_EQ(hour.x + hour.width, day.x);
    EXPECT_EQ(day.x + day.width, l.clientWidth);
    EXPECT_EQ(img.y + img.height, pic.y);
    EXPECT_EQ(pic.y + pic.height, l.clientHeight);
}

TEST(WindowLayout, SpeechPanelScaleAndFatigueBar)
{
    // The click hint is the bottom fifth of a 255 x 10 panel.
    const PixelRect hint = scaleRect(0, 8, 255, 2, 255, 10, 512, 100);
    EXPECT_EQ(hint, (PixelRect{0, 80, 512, 20}));

    EXPECT_EQ(fatigueBarPixels(0, 512), 0);
    EXPECT_EQ(fatigueBarPixels(-3, 512), 0);
    EXPECT_EQ(fatigueBarPixels(255, 512), 512);
    EXPECT_EQ(fatigueBarPixels(51, 510), 102);
    EXPECT_GT(fatigueBarPixels(300, 512), 512);  // the panel clips it
}
