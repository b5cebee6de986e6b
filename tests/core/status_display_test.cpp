#include "core/status_display.h"

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

TEST(StatusCaptionTest, ThreeLinesWithTwoIdeographicSpacesAndNoAffection)
{
    StatusView view;
    view.status = {40, 3, 80, 12};
    view.hour = 17;
    view.day = 5;
    EXPECT_EQ(statusCaption(view), "歌詩\u3000\u300040\r\n舞踊\u3000\u30003\r\n疲労\u3000\u300080");
    EXPECT_EQ(hourCaption(view), "17");
    EXPECT_EQ(dayCaption(view), "5");
    view.status = {-2, 0, 300, 0};
    EXPECT_EQ(statusCaption(view), "歌詩\u3000\u3000-2\r\n舞踊\u3000\u30000\r\n疲労\u3000\u3000300");
}

TEST(PanelColourTest, AffectionIsRedDanceGreenSongBlue)
{
    const auto colours = panelColours({40, 3, 250, 12});
    ASSERT_TRUE(colours);
    EXPECT_EQ(colours->background, (Rgb{12, 3, 40}));
    EXPECT_EQ(colours->text, (Rgb{243, 255, 215}));
    EXPECT_TRUE(panelColours({255, 255, 999, 255}));  // fatigue plays no part
    EXPECT_FALSE(panelColours({256, 0, 0, 0}));
    EXPECT_FALSE(panelColours({0, -1, 0, 0}));
    EXPECT_FALSE(panelColours({0, 0, 0, 300}));
}

using StatusDisplayTest = GameTest;

TEST_F(StatusDisplayTest, ANewGameShowsZerosOnABlackPanelWithWhiteText)
{
    game.Opening();
    EXPECT_EQ(statusCaption(out.status), "歌詩\u3000\u30000\r\n舞踊\u3000\u30000\r\n疲労\u3000\u30000");
    EXPECT_EQ(out.status.panelBackground, (Rgb{0, 0, 0}));
    EXPECT_EQ(out.status.panelText, (Rgb{255, 255, 255}));
    EXPECT_EQ(out.status.fatigueBarWidth, 0);
}

TEST_F(StatusDisplayTest, ColoursFreezeWhileAValueIsAboveTheScale)
{
    st().Status = {10, 20, 30, 40};
    game.Hyouji();
    const StatusView before = out.status;

    st().Status = {11, 21, 31, 300};
    game.Hyouji();
    EXPECT_EQ(out.status.panelBackground, before.panelBackground);
    EXPECT_EQ(out.status.panelText, before.panelText);
    EXPECT_EQ(out.status.fatigueBarWidth, 31);

    st().Status[Affection] = 41;
    game.Hyouji();
    EXPECT_EQ(out.status.panelBackground, (Rgb{41, 21, 11}));
}

}  // namespace
}  // namespace mokopi::testing
