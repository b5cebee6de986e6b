// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <tuple>

#include "game/ending_decision.h"
#include "game/page_text.h"
#include "game/scripts/ending_scripts.h"
#include "support/game_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace game::scripts;
namespace {

// Values that lead to each ending.
const Values Stories[EndingCount] = {
    {200, 200, 150, 200}, {100, 100, 150, 220}, {0, 0, 0, 0},         {210, 0, 0, 0},     {100, 220, 0, 0},
    {210, 180, 149, 150}, {100, 220, 0, 150},   {210, 180, 150, 150}, {100, 220, 150, 0},
};

TEST(EndingDecisionTest, EveryRowOfTheTableWithItsTiesAndLimits)
{
    // Rows in order: 0 royal lover, 1 lovers, 7 haggard singer, 5 loving singer, 3 singer,
    // 8 haggard dancer, 6 loving dancer, 4 dancer, 2 ordinary life.
    const std::tuple<const char*, Values, int> cases[] = {
        {"all three high, fatigue 151: song ties dance", {200, 200, 151, 200}, 7},
        {"row 1 asks no order: affection lowest", {240, 250, 0, 200}, 0},
        {"affection ties song", {250, 100, 0, 250}, 1},
        {"affection highest, fatigue 151", {100, 100, 151, 220}, 2},
        {"affection ties dance, fatigue 151", {0, 210, 151, 210}, 8},
        {"singer, affection 149", {210, 180, 149, 149}, 3},
        {"song ties dance, no affection", {230, 230, 0, 0}, 3},
        {"dancer, affection 149, fatigue 149", {100, 220, 149, 149}, 4},
        {"dance 200 beats affection 199", {0, 200, 0, 199}, 6},
        {"all 199, worn out", {199, 199, 255, 199}, 2},
        {"song above 255", {300, 260, 0, 0}, 3},
        {"all above 255, fatigue too", {300, 300, 400, 300}, 7},
        {"affection above 255 leads", {254, 254, 0, 300}, 0},
        {"affection 300 alone", {0, 0, 0, 300}, 1},
        {"lovers: affection ties dance", {0, 210, 0, 210}, 1},
        {"lovers: affection exactly 200", {0, 0, 0, 200}, 1},
        {"affection 199 alone", {0, 0, 0, 199}, 2},
    };
    for (const auto& [why, values, ending] : cases)
        EXPECT_EQ(number(decideEnding(values)), ending) << why;
    for (int n = 0; n < EndingCount; ++n)
        EXPECT_EQ(number(decideEnding(Stories[n])), n);
}

using EndingTest = GameTest;

TEST_F(EndingTest, EachEndingIsClearedAsItStartsTellsItsPagesAndStartsANewGame)
{
    ClearedEndings cleared{};
    for (std::int16_t n = 0; n < EndingCount; ++n) {
        SCOPED_TRACE(::testing::Message() << "ending " << n);
        startRaising();
        st().Status = Stories[n];
        game.EndingStt();
        cleared[n] = true;
        EXPECT_EQ(out.clearedEndings, cleared);
        EXPECT_NE(out.speech.find("ポチ"), std::string::npos) << "the story begins with the pet: " << out.speech;
        for (int page = 1; st().GameStarted && page < 20; ++page) {
            EXPECT_EQ(st().Scene, SceneValue::ending(n));
            EXPECT_EQ(out.speech.find_first_of("{}"), std::string::npos) << out.speech;
            const std::string before = out.speech;
            click();
            EXPECT_NE(out.speech, before) << "page " << page;
        }
        EXPECT_EQ(st().Scene, SceneValue("stop"));  // the last click starts a new game
        EXPECT_EQ(out.status.status, Values{});
        EXPECT_FALSE(out.clockRunning);
        EXPECT_EQ(st().EndingCleared, cleared);
        EXPECT_EQ(st().OwnerName + st().PetName, "タマポチ");
    }
}

TEST_F(EndingTest, AReplayAsksFirstAndOnlyForAClearedEnding)
{
    startRaising();
    st().EndingCleared[3] = true;
    st().Status = {12, 34, 56, 78};  // story 3 whatever the values say
    out.yesNoAnswers = {false, true};
    game.mnuEnding_Click(4);  // never reached: no box
    game.mnuEnding_Click(3);
    EXPECT_TRUE(st().Scene.isNone());
    game.mnuEnding_Click(3);
    EXPECT_EQ(out.confirmations, std::vector<std::string>(2, "エンディングを回想して終了します"));
    EXPECT_EQ(st().Scene, SceneValue::ending(3));
    EXPECT_EQ(out.speech, render(endingScript(3).front().page.text.source, "ポチ", "タマ"));
    EXPECT_FALSE(out.clockRunning);
}

}  // namespace
}  // namespace mokopi::testing
