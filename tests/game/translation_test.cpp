// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scene_names.h"
#include "support/game_fixture.h"

namespace mokopi::testing {

using namespace game;
namespace {

// A language of the tests' own, switched on and off: every text in
// brackets, save two written out, one of them a default name too long.
bool inBrackets = true;

std::string bracketed(const Text& text)
{
    const std::string source = text.source;
    if (!inBrackets)
        return source;
    if (source == "素敵な名前をありがとう\n{owner}ご主人様・・・\n{pet}嬉しい")
        return "{pet} thanks {owner}";
    if (source == "やちうみ")
        return "Fluffball";
    return "[" + source + "]";
}

struct TranslationTest : ::testing::Test {
    void SetUp() override { inBrackets = true; }
    GameState& st() { return game.state(); }
    void click(std::uint8_t button = 1)
    {
        game.Lbl_MouseDown(button);
        game.Lbl_Click();
    }
    RecordingOutside out;
    ScriptedRandom rnd;
    Game game{out, rnd, unsavableCharacters, bracketed};
};

TEST_F(TranslationTest, EachPieceIsTranslatedBeforeTheNamesGoInAndTheSameClicksDrawTheSameNumbers)
{
    game.Form_Load();
    game.Opening();
    EXPECT_EQ(out.clickHint, "[くりっく！！　]");
    EXPECT_EQ(out.status.statusCaption, "[歌詩　　]0\r\n[舞踊　　]0\r\n[疲労　　]0");

    // An owner's name that looks like a placeholder, refused once; the pet's default.
    out.textAnswers = {"\tゆ", "{pet}", ""};
    std::vector<std::string> pages;
    for (int i = 0; i < 10; ++i)
        click(), pages.push_back(out.speech);
    EXPECT_EQ(st().OwnerName + "/" + st().PetName, "{pet}/Fluff");  // five characters still
    EXPECT_EQ(pages[6], "Fluff thanks {pet}");
    EXPECT_EQ(pages[8], "[Fluffはがんばるのです。]");
    EXPECT_EQ(out.questions.front(), "[呼び名を決めてね]|[貴方の呼び名：５文字\r\nななしは「ゆひこ」になります]");
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"[名前に使えない文字があります：][タブ]\r\n[ほかの名前を入れてください。]"});

    // An event's answer draws as in Japanese: R(10) for each change, nothing for the text.
    game.IventStt(scene::Flower);
    click();
    rnd.push({R(10, 3)});
    click(2);
    EXPECT_EQ(st().Status[Song], 8);
    EXPECT_EQ(rnd.left(), 0u);

    st().EndingCleared[1] = true;
    game.mnuEnding_Click(1);
    game.load(game.saveRecord());
    EXPECT_EQ(out.confirmations, std::vector<std::string>{"[エンディングを回想して終了します]"});
    EXPECT_EQ(out.messages.back(), "[ロードしました]");
}

TEST_F(TranslationTest, AChangeOfLanguageSaysTheSpeechLineItsHintAndTheStatusAgainInTheNewOne)
{
    game.Form_Load();
    game.Opening();
    out.textAnswers = {"タマ", "ポチ"};
    for (int i = 0; i < 7; ++i)
        click();
    EXPECT_EQ(out.speech, "ポチ thanks タマ");
    inBrackets = false;
    game.showTextsAgain();
    EXPECT_EQ(out.speech, "素敵な名前をありがとう\r\nタマご主人様・・・\r\nポチ嬉しい");
    EXPECT_EQ(out.clickHint, "くりっく！！　");
    EXPECT_EQ(out.status.statusCaption, "歌詩　　0\r\n舞踊　　0\r\n疲労　　0");
    EXPECT_TRUE(st().SceneRunning);
    EXPECT_EQ(st().Page, 7);  // the story stays where it was
}

}  // namespace
}  // namespace mokopi::testing
