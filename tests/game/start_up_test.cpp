// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <tuple>

#include "game/status_display.h"
#include "support/game_fixture.h"

namespace mokopi::testing {

using namespace game;
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
        {{40, 3, 80, 12}, {12, 3, 40}}, {{256, 0, 0, 0}, {12, 3, 40}},       {{0, -1, 0, 0}, {12, 3, 40}},
        {{0, 0, 0, 300}, {12, 3, 40}},  {{255, 0, 999, 255}, {255, 0, 255}}, {{40, 3, 80, 12}, {12, 3, 40}},
    };
    for (const auto& [values, background] : rows) {
        st().Status = values;
        game.Hyouji();
        EXPECT_EQ(out.status.panelBackground, background);
        EXPECT_EQ(out.status.fatigueBarWidth, values[Fatigue]);
    }
    EXPECT_EQ(out.status.panelText, (Rgb{243, 255, 215}));
    EXPECT_EQ(out.status.statusCaption, "歌詩\u3000\u300040\r\n舞踊\u3000\u30003\r\n疲労\u3000\u300080");
}

// The title takes one click and the naming nine more, two of them asking for the names; the clock starts
// with the last. A name that looks like a placeholder ("{pet}") shows as typed.
TEST_F(StartUpTest, TheNamingTakesNineClicksAndKeepsTheNamesAsTypedUpToFiveCharactersAskingAgainForUnsavableOnes)
{
    // The box answers, the names kept, and what the message of each refusal names.
    const std::tuple<std::deque<std::string>, std::string, std::vector<std::string>> cases[] = {
        {{"", ""}, "ゆひこ/やちうみ", {}},  // cancelled or empty
        {{"あいうえおかき", "ABCDEFG"}, "あいうえお/ABCDE", {}},
        {{"ミケ", "①髙～"}, "ミケ/①髙～", {}},
        {{"   ", " ポ チ "}, "   / ポ チ ", {}},
        {{"〜ゆ", "−"}, "〜ゆ/−", {}},  // what Linux input methods type
        {{"{pet}", "ポチ"}, "{pet}/ポチ", {}},
        {{"あいうえお🐱", ""}, "あいうえお/やちうみ", {}},  // only the kept five must be savable
        {{"ab\"c", "タマ", "ポ\r\nチ", "🐱", "ポチ"}, "タマ/ポチ", {"「\"」", "改行", "「🐱」"}},
    };
    for (const auto& [answers, names, refused] : cases) {
        SCOPED_TRACE(names);
        out.messages.clear();
        out.questions.clear();
        game.Opening();
        out.textAnswers = answers;
        std::string shown;
        for (int i = 0; i < 10; ++i) {
            EXPECT_FALSE(out.clockRunning) << "before click " << i + 1;
            click();
            shown += out.speech;
        }
        EXPECT_TRUE(out.clockRunning && st().GameStarted && st().Scene.isNone());
        EXPECT_EQ(out.questions.size(), answers.size());
        EXPECT_EQ(st().OwnerName + "/" + st().PetName, names);
        EXPECT_NE(shown.find(st().OwnerName + "ご主人様"), std::string::npos) << shown;
        ASSERT_EQ(out.messages.size(), refused.size());
        for (std::size_t i = 0; i < refused.size(); ++i)
            EXPECT_NE(out.messages[i].find(refused[i]), std::string::npos) << out.messages[i];
    }
}

}  // namespace
}  // namespace mokopi::testing
