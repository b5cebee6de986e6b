#include <gtest/gtest.h>

#include "core/game.h"
#include "support/recording_outside.h"
#include "support/scripted_random.h"

namespace mokopi::testing {
namespace {

using Values = std::array<std::int16_t, 4>;

// Every draw is 0.5, so every chance is known: R(2) = 1, R(3) = 1, R(10) = 5
// and the event roll R(300) = 150 never reaches 290. A training hour gives
// skill +2, fatigue +2, affection -1; a rest hour fatigue -3 and dance -1
// (floor(2 * 0.5) picks dance); petting affection +15; the fatigue bonus +0.
class WholeGameTest : public ::testing::Test {
protected:
    WholeGameTest() { game.Form_Load(); }

    void click()
    {
        game.Lbl_MouseDown(1);
        game.Lbl_Click();
    }

    // The window ticks only while the clock runs.
    void hours(int n)
    {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(out.clockRunning) << "hour " << game.state().Hour;
            game.Tim_Timer();
        }
    }

    RecordingOutside out;
    ConstantRandom rnd{0.5};
    Game game{out, rnd};
};

TEST_F(WholeGameTest, FromTheTitleThroughNamingAndTwentyFourDaysToTheNextTitle)
{
    const GameState& s = game.state();
    game.Opening();
    EXPECT_FALSE(out.clockRunning);
    click();  // the title hands over to the naming scene
    out.textAnswers = {"タマ", "ポチ"};
    for (int i = 0; i < 9; ++i)
        click();
    ASSERT_TRUE(s.Scene.isNone());
    ASSERT_EQ(s.OwnerName, "タマ");
    ASSERT_EQ(s.PetName, "ポチ");

    // Hours 1-100: song to 200, fatigue to 200.
    game.Opt_Click(SongCommand);
    hours(100);
    EXPECT_EQ(s.Status, (Values{200, 0, 200, 0}));
    EXPECT_EQ(s.Day, 4);

    // Hours 101-232: twelve pettings while resting rest the pet fully.
    game.Opt_Click(RestCommand);
    for (int i = 0; i < 12; ++i)
        game.IMG_MouseDown();
    EXPECT_EQ(s.Status, (Values{200, 0, 0, 180}));
    EXPECT_EQ(s.Day, 9);
    EXPECT_EQ(s.Hour, 16);

    hours(258);  // to hour 490, nothing left to lose
    game.Opt_Click(DanceCommand);
    hours(75);  // to hour 565
    game.Opt_Click(RestCommand);
    hours(10);  // to hour 575
    EXPECT_EQ(s.Status, (Values{200, 140, 120, 105}));
    EXPECT_EQ(out.status.status, s.Status);
    EXPECT_EQ(out.status.hour, 23);
    EXPECT_EQ(out.status.day, 23);
    EXPECT_TRUE(s.Scene.isNone());

    // Hour 576: the period ends with song leading, fatigue and affection low.
    hours(1);
    EXPECT_EQ(s.Day, 24);
    EXPECT_EQ(s.Hour, 24);
    EXPECT_EQ(s.Status, (Values{200, 140, 120, 105}));
    EXPECT_EQ(s.Scene, SceneValue::ending(3));
    EXPECT_EQ(out.speech, "ポチは\r\nもこぴ詩人に華麗に成長を遂げた");
    EXPECT_FALSE(out.clockRunning);
    // 100 song hours of 4 draws, 12 pettings, 132 + 258 + 10 rest hours of 3,
    // one fatigue bonus, 75 dance hours of 4.
    EXPECT_EQ(rnd.drawn(), 100u * 4 + 12 + 400 * 3 + 1 + 75 * 4);

    for (int i = 0; i < 4; ++i)
        click();
    std::array<bool, 9> cleared{};
    cleared[3] = true;
    EXPECT_EQ(s.Scene, SceneValue("stop"));
    EXPECT_TRUE(out.titleShown);
    EXPECT_EQ(s.Status, (Values{}));
    EXPECT_EQ(out.status.status, (Values{}));
    EXPECT_EQ(s.Day, 0);
    EXPECT_EQ(s.Hour, 0);
    EXPECT_EQ(out.status.day, 0);
    EXPECT_EQ(out.clearedEndings, cleared);
    EXPECT_FALSE(s.GameStarted);
    EXPECT_FALSE(out.clockRunning);
}

}  // namespace
}  // namespace mokopi::testing
