#include <tuple>

#include "game/page_text.h"
#include "game/scripts/ending_scripts.h"
#include "game/scripts/event_scripts.h"
#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using SceneEngineTest = GameTest;

std::string page(const Script& script, std::size_t step) { return render(script.at(step).page.text, "ポチ", "タマ"); }

TEST_F(SceneEngineTest, AClickWithNoSceneDoesNothingAndASceneStartedOverAnotherDropsTheOldEnd)
{
    startRaising();
    const std::string idle = out.speech;
    click();
    EXPECT_EQ(out.speech, idle);

    game.IventStt(SceneValue::ending(0));  // ending 0 is a scene where "" is none
    EXPECT_EQ(out.speech, page(endingScript(0), 0));
    EXPECT_EQ(st().Page, 1);
    click();
    game.IventStt("おはな");
    EXPECT_EQ(st().Page, 1);
    EXPECT_EQ(out.speech, page(*eventScript("おはな"), 0));
    EXPECT_FALSE(out.clockRunning);
    rnd.push({0.0});
    click();
    click();  // the flower's answer ends it; the ending's new game never comes
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_TRUE(st().GameStarted);
}

// The title takes one click and the naming nine more, two of them asking for the names; the clock starts
// with the last. A name that looks like a placeholder ("{pet}") shows as typed.
TEST_F(SceneEngineTest, TheNamingTakesNineClicksAndKeepsTheNamesAsTypedUpToFiveCharactersAskingAgainForUnsavableOnes)
{
    // The box answers, the names kept, and what the message of each refusal names.
    const std::tuple<std::deque<std::string>, std::string, std::vector<std::string>> cases[] = {
        {{"", ""}, "ゆひこ/やちうみ", {}},  // cancelled or empty
        {{"あいうえおかき", "ABCDEFG"}, "あいうえお/ABCDE", {}},
        {{"ミケ", "①髙～"}, "ミケ/①髙～", {}},
        {{"   ", " ポ チ "}, "   / ポ チ ", {}},
        {{"〜ゆ", "−"}, "〜ゆ/−", {}},                       // what Linux input methods type
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
