#include <tuple>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using SceneEngineTest = GameTest;

TEST_F(SceneEngineTest, AClickWithNoSceneDoesNothingAndASceneStartedOverAnotherDropsTheOldEnd)
{
    startRaising();
    const std::string idle = out.speech;
    click();
    EXPECT_EQ(out.speech, idle);

    game.IventStt(SceneValue::ending(0));  // ending 0 is a scene where "" is none
    EXPECT_EQ(out.speech, "ポチは\r\n歌と踊りをかね揃えたもこぴとして\r\n世の中に出ていった");
    EXPECT_EQ(st().Page, 1);
    click();
    game.IventStt("おはな");
    EXPECT_EQ(st().Page, 1);
    EXPECT_EQ(out.speech, "タマご主人様、見て下さい、\r\nお花が咲いてますぅ");
    EXPECT_FALSE(out.clockRunning);
    rnd.push({0.0});
    click();
    click();  // the flower's answer ends it; the ending's new game never comes
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_TRUE(st().GameStarted);
}

// The owner is named "{pet}": a name that looks like a placeholder shows as typed.
TEST_F(SceneEngineTest, TheTitleTakesOneClickAndTheNamingNineMoreWithTwoBoxes)
{
    const std::string question = "今日からよろしくね・・・えっと、\r\nなんて呼べばいいの？";
    const std::string greeting = "うんと、\r\n{pet}ご主人様、よろしくね\r\nえと、ぼくは・・・・なんだっけ？？";
    const std::string captions[] = {
        "もこ、もこ、", question, question /* the owner's box */, greeting, greeting /* the pet's box */, "もこもこ",
        "素敵な名前をありがとう\r\n{pet}ご主人様・・・\r\nポチ嬉しい", "今日からポチを\r\n育てるのですね。",
        "ポチはがんばるのです。", "ポチはがんばるのです。",
    };
    game.Opening();
    out.textAnswers = {"{pet}", "ポチ"};
    EXPECT_FALSE(st().GameStarted);
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(out.clockRunning) << "before click " << i + 1;
        click();
        EXPECT_EQ(out.speech, captions[i]) << "click " << i + 1;
        EXPECT_TRUE(st().GameStarted);  // from page 0 of the naming scene
    }
    EXPECT_TRUE(out.clockRunning);
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_EQ(out.questions, (std::vector<std::string>{
                                 "呼び名を決めてね|貴方の呼び名：５文字\r\nななしは「ゆひこ」になります",
                                 "呼び名を決めてね|もこぴの呼び名：５文字\r\nななしは「やちうみ」になります"}));
}

TEST_F(SceneEngineTest, AnswersBecomeNamesAsTypedUpToFiveCharactersAndUnsavableOnesAreAskedAgain)
{
    // The box answers, the names kept, and what the message of each refusal names.
    const std::tuple<std::deque<std::string>, std::string, std::vector<std::string>> cases[] = {
        {{"", ""}, "ゆひこ/やちうみ", {}},  // cancelled or empty
        {{"あいうえおかき", "ABCDEFG"}, "あいうえお/ABCDE", {}},
        {{"ミケ", "①髙～"}, "ミケ/①髙～", {}},
        {{"   ", " ポ チ "}, "   / ポ チ ", {}},
        {{"〜ゆ", "−"}, "〜ゆ/−", {}},                       // what Linux input methods type
        {{"あいうえお🐱", ""}, "あいうえお/やちうみ", {}},  // only the kept five must be savable
        {{"ab\"c", "タマ", "ポ\r\nチ", "🐱", "ポチ"}, "タマ/ポチ", {"「\"」", "改行", "「🐱」"}},
    };
    for (const auto& [answers, names, refused] : cases) {
        SCOPED_TRACE(names);
        out.messages.clear();
        game.Opening();
        out.textAnswers = answers;
        for (int i = 0; i < 10; ++i)
            click();
        EXPECT_TRUE(out.textAnswers.empty());
        EXPECT_EQ(st().OwnerName + "/" + st().PetName, names);
        ASSERT_EQ(out.messages.size(), refused.size());
        for (std::size_t i = 0; i < refused.size(); ++i)
            EXPECT_NE(out.messages[i].find(refused[i]), std::string::npos) << out.messages[i];
    }
}

}  // namespace
}  // namespace mokopi::testing
