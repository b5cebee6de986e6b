#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using StartUpTest = GameTest;

TEST_F(StartUpTest, StartsRestingWithAStoppedHalfSecondClockAndNoEndings)
{
    EXPECT_EQ(st().Status, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(st().Day, 0);
    EXPECT_EQ(st().Hour, 0);
    EXPECT_EQ(st().Command, RestCommand);
    EXPECT_EQ(out.selectedCommand, RestCommand);
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(out.clockIntervalMs, 500);
    EXPECT_TRUE(out.soundOn);
    EXPECT_FALSE(out.superFast);
    EXPECT_TRUE(out.eventsOn);
    EXPECT_EQ(out.clearedEndings, (std::array<bool, 9>{}));
    EXPECT_TRUE(st().Scene.isNone());
}

TEST_F(StartUpTest, ANewGameWaitsOnTheTitleWithEverythingAtZero)
{
    game.Opening();
    EXPECT_TRUE(out.titleShown);
    EXPECT_EQ(out.speech, "");
    EXPECT_EQ(st().Scene, SceneValue("stop"));
    EXPECT_TRUE(st().SceneRunning);
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(out.status.hour, 0);
    EXPECT_EQ(out.status.day, 0);
    EXPECT_EQ(out.clickHint, "くりっく！！　");
}

TEST_F(StartUpTest, AfterAnEndingTheNextGameKeepsNamesEndingsAndSwitches)
{
    startRaising("タマ", "ポチ");
    game.mnuMODE_Click();
    game.mnuIVENT_Click();
    game.Opt_Click(SongCommand);
    st().Status = {120, 30, 40, 50};
    st().Day = 12;
    st().Hour = 7;

    game.EndingStt();  // ending 2: nothing reached 200
    ASSERT_EQ(st().Scene, SceneValue::ending(2));
    for (int page = 1; page <= 6; ++page)
        click();

    EXPECT_EQ(st().Scene, SceneValue("stop"));
    EXPECT_TRUE(out.titleShown);
    EXPECT_FALSE(st().GameStarted);
    EXPECT_EQ(st().Status, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(st().Day, 0);
    EXPECT_EQ(st().Hour, 0);
    EXPECT_EQ(st().OwnerName, "タマ");
    EXPECT_EQ(st().PetName, "ポチ");
    EXPECT_EQ(st().Command, SongCommand);
    EXPECT_TRUE(out.clearedEndings[2]);
    EXPECT_TRUE(out.superFast);
    EXPECT_FALSE(out.eventsOn);
    EXPECT_EQ(out.clockIntervalMs, 100);
    EXPECT_FALSE(out.clockRunning);
}

TEST_F(StartUpTest, SuperFastChangesOnlyTheIntervalOfTheClock)
{
    game.Opening();
    game.mnuMODE_Click();
    EXPECT_EQ(out.clockIntervalMs, 100);
    EXPECT_FALSE(out.clockRunning);  // the title keeps it stopped
    game.mnuMODE_Click();
    EXPECT_EQ(out.clockIntervalMs, 500);
    EXPECT_FALSE(out.superFast);
}

TEST_F(StartUpTest, TheSoundSwitchMutesEverySound)
{
    game.mnuBGM_Click();
    game.Opt_Click(DanceCommand);
    game.IventEnd();
    EXPECT_TRUE(out.sounds.empty());
    game.mnuBGM_Click();
    game.Opt_Click(SongCommand);
    EXPECT_EQ(out.sounds, std::vector<int>{SongCommand});
}

}  // namespace
}  // namespace mokopi::testing
