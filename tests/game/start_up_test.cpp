#include "game/status_display.h"
#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using StartUpTest = GameTest;

// What a new start shows is seen through the window, by the window tests.
TEST_F(StartUpTest, SuperFastChangesOnlyTheIntervalAndWithTheSoundOffNoCueIsPlayed)
{
    game.Opening();
    EXPECT_TRUE(out.titleShown);
    game.mnuMODE_Click();
    EXPECT_EQ(out.clockIntervalMs, 100);
    EXPECT_FALSE(out.clockRunning);  // the title keeps it stopped
    game.mnuMODE_Click();
    EXPECT_EQ(out.clockIntervalMs, 500);
    EXPECT_FALSE(out.superFast);
    game.mnuMODE_Click();
    startRaising();  // the naming scene ends and starts the clock
    EXPECT_TRUE(out.clockRunning);
    EXPECT_EQ(out.clockIntervalMs, 100);

    game.mnuBGM_Click();
    out.sounds.clear();
    game.Opt_Click(DanceCommand);
    game.IventEnd();
    EXPECT_TRUE(out.sounds.empty());
}

TEST_F(StartUpTest, ThePanelTintsAffectionRedDanceGreenSongBlueAndFreezesOffTheScale)
{
    // Each panel keeps the colours of the row before while a colour value is off the scale.
    const std::pair<Values, Rgb> rows[] = {
        {{40, 3, 80, 12}, {12, 3, 40}}, {{256, 0, 0, 0}, {12, 3, 40}},      {{0, -1, 0, 0}, {12, 3, 40}},
        {{0, 0, 0, 300}, {12, 3, 40}},  {{255, 0, 999, 255}, {255, 0, 255}}, {{40, 3, 80, 12}, {12, 3, 40}},
    };
    for (const auto& [values, background] : rows) {
        st().Status = values;
        game.Hyouji();
        EXPECT_EQ(out.status.panelBackground, background);
        EXPECT_EQ(out.status.fatigueBarWidth, values[Fatigue]);
    }
    EXPECT_EQ(out.status.panelText, (Rgb{243, 255, 215}));
    EXPECT_EQ(statusCaption(out.status), "歌詩\u3000\u300040\r\n舞踊\u3000\u30003\r\n疲労\u3000\u300080");
}

}  // namespace
}  // namespace mokopi::testing
