#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

const std::string OwnerQuestion = "呼び名を決めてね|貴方の呼び名：５文字\r\nななしは「ゆひこ」になります";
const std::string PetQuestion = "呼び名を決めてね|もこぴの呼び名：５文字\r\nななしは「やちうみ」になります";

class NamingTest : public GameTest {
protected:
    NamingTest() { game.Opening(); }

    // Clicks through the naming scene, answering the two boxes.
    void name(const std::string& owner, const std::string& pet)
    {
        out.textAnswers = {owner, pet};
        for (int i = 0; i < 10; ++i)
            click();
    }
};

TEST_F(NamingTest, TheTitleWaitsForOneClickThatShowsTheGreeting)
{
    EXPECT_TRUE(out.titleShown);
    EXPECT_EQ(out.speech, "");
    EXPECT_EQ(st().Scene, SceneValue("stop"));
    EXPECT_FALSE(st().GameStarted);

    click();

    EXPECT_EQ(st().Scene, SceneValue("open"));
    EXPECT_EQ(out.speech, "もこ、もこ、");
    EXPECT_EQ(out.picture, Picture::t0);
    EXPECT_TRUE(st().GameStarted);
    EXPECT_FALSE(out.clockRunning);
}

TEST_F(NamingTest, NineClicksAfterTheTitleStartTheClock)
{
    out.textAnswers = {"タマ", "ポチ"};
    click();
    for (int i = 1; i <= 9; ++i) {
        EXPECT_FALSE(out.clockRunning) << "after click " << i;
        click();
    }
    EXPECT_TRUE(out.clockRunning);
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_EQ(out.speech, "ポチはがんばるのです。");
    EXPECT_EQ(out.questions, (std::vector<std::string>{OwnerQuestion, PetQuestion}));
    EXPECT_EQ(st().Hour, 0);
    EXPECT_EQ(st().Day, 0);
}

TEST_F(NamingTest, TheBoxesLeaveTheQuestionOnScreenAndThePagesUseTheNames)
{
    out.textAnswers = {"タマ", "ポチ"};
    click();
    click();
    const std::string question = "今日からよろしくね・・・えっと、\r\nなんて呼べばいいの？";
    EXPECT_EQ(out.speech, question);
    click();  // the owner's box
    EXPECT_EQ(out.speech, question);
    click();
    EXPECT_EQ(out.speech, "うんと、\r\nタマご主人様、よろしくね\r\nえと、ぼくは・・・・なんだっけ？？");
    click();  // the pet's box
    click();
    EXPECT_EQ(out.speech, "もこもこ");
    click();
    EXPECT_EQ(out.speech, "素敵な名前をありがとう\r\nタマご主人様・・・\r\nポチ嬉しい");
    click();
    EXPECT_EQ(out.speech, "今日からポチを\r\n育てるのですね。");
}

// Plays a fresh naming scene with these box answers; returns the stored names.
std::pair<std::string, std::string> namesFrom(std::deque<std::string> answers,
                                              std::vector<std::string>* messages = nullptr)
{
    RecordingOutside out;
    ScriptedRandom rnd;
    Game game(out, rnd);
    game.Form_Load();
    game.Opening();
    out.textAnswers = std::move(answers);
    for (int i = 0; i < 10; ++i) {
        game.Lbl_MouseDown(1);
        game.Lbl_Click();
    }
    EXPECT_TRUE(out.textAnswers.empty());
    if (messages)
        *messages = out.messages;
    return {game.state().OwnerName, game.state().PetName};
}

TEST(NameAnswerTest, AnswersBecomeNamesAsTyped)
{
    using Names = std::pair<std::string, std::string>;
    EXPECT_EQ(namesFrom({"", ""}), Names("ゆひこ", "やちうみ"));
    EXPECT_EQ(namesFrom({"あいうえおかき", "ABCDEFG"}), Names("あいうえお", "ABCDE"));
    EXPECT_EQ(namesFrom({"ミケ", "①髙～"}), Names("ミケ", "①髙～"));
    EXPECT_EQ(namesFrom({"{pet}", "{own"}), Names("{pet}", "{own"));
    EXPECT_EQ(namesFrom({"   ", " ポ チ "}), Names("   ", " ポ チ "));
    // The wave dash and minus that Linux input methods type are kept.
    EXPECT_EQ(namesFrom({"〜ゆ", "−"}), Names("〜ゆ", "−"));
}

TEST(NameAnswerTest, AGreetingShowsTheNameAsTyped)
{
    RecordingOutside out;
    ScriptedRandom rnd;
    Game game(out, rnd);
    game.Form_Load();
    game.Opening();
    out.textAnswers = {"{pet}", "ポチ"};
    for (int i = 0; i < 7; ++i) {
        game.Lbl_MouseDown(1);
        game.Lbl_Click();
    }
    EXPECT_EQ(out.speech, "素敵な名前をありがとう\r\n{pet}ご主人様・・・\r\nポチ嬉しい");
}

TEST(NameAnswerTest, ANameTheSaveFileCannotKeepIsAskedAgain)
{
    std::vector<std::string> messages;
    const auto names = namesFrom({"ab\"c", "タマ", "ポ\r\nチ", "🐱", "ポチ"}, &messages);
    EXPECT_EQ(names.first, "タマ");
    EXPECT_EQ(names.second, "ポチ");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("「\"」"), std::string::npos);
    EXPECT_NE(messages[1].find("改行"), std::string::npos);
    EXPECT_NE(messages[2].find("「🐱」"), std::string::npos);
}

TEST(NameAnswerTest, OnlyTheKeptFiveCharactersMustBeSavable)
{
    EXPECT_EQ(namesFrom({"あいうえお🐱", ""}).first, "あいうえお");
}

}  // namespace
}  // namespace mokopi::testing
