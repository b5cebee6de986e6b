#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

constexpr Rgb SceneColour{55, 55, 99};
constexpr Rgb IdleColour{55, 99, 55};

TEST(SceneValueTest, EndingZeroIsASceneAndTheEmptyNameIsNone)
{
    EXPECT_TRUE(SceneValue().isNone());
    EXPECT_TRUE(SceneValue("").isNone());
    EXPECT_EQ(SceneValue(), SceneValue(""));
    EXPECT_FALSE(SceneValue::ending(0).isNone());
    EXPECT_NE(SceneValue::ending(0), SceneValue(""));
    EXPECT_NE(SceneValue::ending(0), SceneValue("0"));
    EXPECT_EQ(SceneValue::ending(3), SceneValue::ending(3));
    EXPECT_NE(SceneValue::ending(3), SceneValue::ending(4));
}

class SceneEngineTest : public GameTest {
protected:
    SceneEngineTest()
    {
        st().PetName = "ポチ";
        st().OwnerName = "タマ";
    }
};

TEST_F(SceneEngineTest, StartingASceneShowsPageZeroAtOnceAndStopsTheClock)
{
    game.IventEnd();
    ASSERT_TRUE(out.clockRunning);

    game.IventStt(SceneValue::ending(2));

    EXPECT_EQ(out.speech, "ポチは\r\n立派なもこぴにはなれなかった");
    EXPECT_EQ(st().Page, 1);
    EXPECT_TRUE(st().SceneRunning);
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(out.speechColour, SceneColour);
    EXPECT_EQ(out.clickHint, "くりっく！！　");
}

TEST_F(SceneEngineTest, AClickWithNoSceneChangesNothing)
{
    game.IventStt(SceneValue::ending(2));
    game.IventEnd();
    const std::string caption = out.speech;
    const auto page = st().Page;

    click();

    EXPECT_EQ(out.speech, caption);
    EXPECT_EQ(st().Page, page);
    EXPECT_TRUE(out.clockRunning);
    EXPECT_TRUE(st().Scene.isNone());
}

TEST_F(SceneEngineTest, EndingZeroTurnsPagesWhereTheEmptySceneDoesNot)
{
    st().Scene = SceneValue("");
    click();
    EXPECT_EQ(out.speech, "");

    st().Scene = SceneValue::ending(0);
    st().Page = 0;
    click();
    EXPECT_EQ(out.speech, "ポチは\r\n歌と踊りをかね揃えたもこぴとして\r\n世の中に出ていった");
    EXPECT_EQ(st().Page, 1);
}

TEST_F(SceneEngineTest, ASceneStartedOverAnotherDropsTheOldEnd)
{
    st().GameStarted = true;
    game.IventStt(SceneValue::ending(3));
    click();
    ASSERT_EQ(st().Page, 2);

    game.IventStt("おはな");
    EXPECT_EQ(st().Page, 1);
    EXPECT_EQ(out.speech, "タマご主人様、見て下さい、\r\nお花が咲いてますぅ");
    EXPECT_FALSE(out.clockRunning);

    rnd.push(0.0);
    click();
    click();
    // The flower's answer ends it; the ending's new game never came.
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_TRUE(st().GameStarted);
    EXPECT_FALSE(out.titleShown);
    EXPECT_TRUE(out.clockRunning);
}

TEST_F(SceneEngineTest, EndingASceneKeepsItsTextAndGivesTheGameBack)
{
    game.Opt_Click(DanceCommand);
    out.sounds.clear();
    game.IventStt(SceneValue::ending(1));
    const std::string lastText = out.speech;

    game.IventEnd();

    EXPECT_EQ(out.speech, lastText);
    EXPECT_EQ(out.clickHint, "");
    EXPECT_EQ(out.speechColour, IdleColour);
    EXPECT_EQ(out.selectedCommand, DanceCommand);
    EXPECT_EQ(out.sounds, std::vector<int>{DanceCommand});
    EXPECT_TRUE(out.clockRunning);
    EXPECT_FALSE(st().SceneRunning);
    EXPECT_TRUE(st().Scene.isNone());
}

TEST_F(SceneEngineTest, ASceneWithoutAScriptHoldsTheClockAndIgnoresClicks)
{
    game.IventEnd();
    game.IventStt("ないしょ");
    click();
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(st().Page, 0);
    EXPECT_TRUE(st().SceneRunning);
}

TEST_F(SceneEngineTest, ThePressBeforeTheClickPicksTheAnswer)
{
    struct Case {
        std::uint8_t button;
        int affection;
    };
    // Right and middle both mean the second answer: affection +10..19.
    for (const Case c : {Case{1, 0}, Case{2, 10}, Case{4, 10}}) {
        st().Status = {};
        game.IventStt("ちょうちょ");
        click();
        rnd.push(ScriptedRandom::forR(10, 0));
        click(c.button);
        EXPECT_EQ(st().Status[Affection], c.affection) << "button " << int(c.button);
        EXPECT_EQ(st().ClickButton, c.button);
    }
}

}  // namespace
}  // namespace mokopi::testing
