#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

class LoadTest : public GameTest {
protected:
    LoadTest()
    {
        startRaising("タマ", "ポチ");
        st().Status = {40, 3, 80, 12};
        st().Hour = 17;
        st().Day = 5;
        st().EndingCleared[0] = st().EndingCleared[3] = true;
    }
};

TEST_F(LoadTest, EveryFieldComesBackAndTheGameGoesOnWithoutAScene)
{
    const SaveRecord saved = game.saveRecord();
    EXPECT_EQ(saved.OwnerName, "タマ");
    EXPECT_EQ(saved.Status, (std::array<std::int16_t, 4>{40, 3, 80, 12}));
    EXPECT_TRUE(saved.GameStarted);

    st().Status = {1, 2, 3, 4};
    st().Hour = 2;
    st().Day = 9;
    st().OwnerName = "ミケ";
    st().PetName = "シロ";
    st().EndingCleared = {true, true, true, true, true, true, true, true, true};
    game.IventStt("おはな");
    out.sounds.clear();

    game.load(saved);

    EXPECT_EQ(game.saveRecord(), saved);
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_FALSE(st().SceneRunning);
    EXPECT_TRUE(out.clockRunning);
    EXPECT_EQ(out.status.status, saved.Status);
    EXPECT_EQ(out.status.hour, 17);
    EXPECT_EQ(out.status.day, 5);
    EXPECT_EQ(out.clearedEndings, (std::array<bool, 9>{true, false, false, true}));
    EXPECT_EQ(out.messages, std::vector<std::string>{"ロードしました"});
    EXPECT_EQ(out.sounds, std::vector<int>{st().Command});  // ending the event
}

TEST_F(LoadTest, AGameSavedBeforeTheNamingBeganAsksTheNamesAgain)
{
    SaveRecord atTitle = game.saveRecord();
    atTitle.GameStarted = false;

    game.load(atTitle);

    EXPECT_EQ(st().Scene, SceneValue("open"));
    EXPECT_EQ(out.speech, "もこ、もこ、");
    EXPECT_FALSE(out.clockRunning);
    EXPECT_EQ(out.messages, std::vector<std::string>{"ロードしました"});
}

TEST_F(LoadTest, ClearedEndingsAreTakenFromTheFileAlone)
{
    SaveRecord record = game.saveRecord();
    record.EndingCleared = {};
    record.EndingCleared[2] = record.EndingCleared[7] = true;

    game.load(record);

    EXPECT_EQ(out.clearedEndings, (std::array<bool, 9>{false, false, true, false, false, false, false, true, false}));
    out.yesNoAnswers = {true};
    game.mnuEnding_Click(0);
    EXPECT_TRUE(out.confirmations.empty());  // no longer cleared: nothing to replay
}

}  // namespace
}  // namespace mokopi::testing
