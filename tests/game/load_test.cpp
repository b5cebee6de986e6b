#include "game/page_text.h"
#include "game/scripts/title_scripts.h"
#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using LoadTest = GameTest;

TEST_F(LoadTest, EveryFieldComesBackAndTheGameGoesOnWithoutASceneOrWithTheNamingWhenItNeverBegan)
{
    startRaising();
    st().EndingCleared.fill(true);  // loaded over every ending cleared and an event running
    game.IventStt("おはな");
    out.sounds.clear();
    SaveRecord record{"ミケ", "シロ", {40, 3, 80, 12}, 17, 5, {false, false, true, false, false, false, false, true}, true};
    game.load(record);
    EXPECT_EQ(game.saveRecord(), record);
    EXPECT_EQ(out.clearedEndings, record.EndingCleared);  // endings 2 and 7 alone
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_FALSE(st().SceneRunning);
    EXPECT_TRUE(out.clockRunning);
    EXPECT_EQ(out.status, (StatusView{17, 5, record.Status, {12, 3, 40}, {243, 255, 215}, 80}));
    EXPECT_EQ(out.messages, std::vector<std::string>{"ロードしました"});
    EXPECT_EQ(out.sounds, std::vector<int>{RestCommand});  // ending the event

    record.GameStarted = false;
    game.load(record);
    EXPECT_EQ(st().Scene, SceneValue("open"));
    EXPECT_EQ(out.speech, render(namingScript().front().page.text, "", ""));
    EXPECT_FALSE(out.clockRunning);
}

}  // namespace
}  // namespace mokopi::testing
