#include <algorithm>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using enum Picture;

struct Shown {  // the speech line and the pet picture after a click
    std::string text;
    Picture picture;
};

struct Answer {
    std::vector<Shown> shown;  // after the answer click, then after each further page; none: the choice stays
    std::vector<std::pair<Value, int>> changes;  // +K raises by K..K+9, -K lowers by K..K+9, in this order
    bool closingClick = true;                    // false: the answer click itself ends the event
};

struct Event {
    const char* name;
    std::vector<Shown> opening;  // page 0 up to the choice page
    Answer left, right;
};

const Shown Thanks = {"ありがとうタマご主人様、\r\nポチ、がんばる", raku};

const Event Events[] = {
    {"イコール",
     {{"タマご主人様～＊", raku}, {"タマご主人様は、\r\n活発な生き物とおとなしい生き物、\r\nどちらが好きですか～？", raku},
      {"左クリック＞おとなしい生き物\r\n右クリック＞活発な生き物", raku}},
     {{{"うにゅー\r\nポチも、そうなりたい～", raku}}, {{Song, 20}, {Dance, -20}}},
     {{{"うにゅー\r\nポチも、そうなりたい～", raku}}, {{Dance, 20}, {Song, -20}}}},
    {"ぜいたく",
     {{"もこぴになったら\u3000ポチ、\r\nタマご主人様にうーんと贅沢させてあげます～", ki},
      {"左クリック＞ありがとうね\r\n右クリック＞そんなことは心配しなくて良いよ", ki}},
     {{{"えへてへ", ki}}, {{Affection, 5}, {Fatigue, 5}}},
     {{{"むにゅ～\r\nダメです～\r\nもう、ポチは、キメッチャッタんです～", ikari}}, {{Affection, -5}, {Fatigue, -5}}}},
    {"じしんそうしつ",
     {{"ポチ、このごろ自信ないです", kanasimi}, {"タマご主人様、\r\nポチはちゃんとしたもこぴになれるかなぁ", kanasimi},
      {"左クリック＞抱きしめる\r\n右クリック＞励ます", kanasimi}},
     {{{"きゃ！\r\nもこ、もこ", ki}, Thanks}, {{Affection, 5}}},
     {{{"うにゅーーー！\r\nそうね、くよくよしていても始まらないね", ki}, Thanks}, {{Song, 5}, {Dance, 5}}}},
    {"うたをおくる",
     {{"タマご主人様のために\r\nポチ、お歌を作りました。\r\n聞いてくれますか？", raku},
      {"左クリック＞いいよ\r\n右クリック＞今忙しいから・・・", raku}},
     {{{"ありがとうです～\r\nポチ、はりきって歌いますね～！", ki}}, {{Affection, 10}, {Fatigue, 10}}},
     {{{"うにゃ～\r\nそれなら仕方ないですぅ～\r\nまた聞いて下さいね", kanasimi}}, {{Affection, -10}, {Fatigue, -10}}}},
    {"うたをうたう",
     {{"ポチが、\r\n小鳥たちと歌っている・・・", raku}, {"左クリック＞声をかける\r\n右クリック＞そっとしておく", raku}},
     {{{"きゃ～\r\nタマご主人様～！見て下さい、\r\n小鳥さんたちがポチとお歌を歌ってくれているんですよ～！", ki}},
      {{Affection, 10}, {Fatigue, 10}}},
     {{{"ふ～ふ～\r\nうううう～\r\nるる～（ちゅんちゅん）", raku}}, {{Affection, -10}, {Fatigue, -10}, {Song, 10}}}},
    {"おどりをおくる",
     {{"タマご主人様のために\r\nポチ、踊りたいです～。\r\n見てくださーい", raku},
      {"左クリック＞いいよ\r\n右クリック＞今忙しいから・・・", raku}},
     {{{"きゃ～\r\nポチ、がんばりますぅ～！", ki}}, {{Affection, 10}, {Fatigue, 10}}},
     {{{"うにゃ～\r\nそれなら仕方ないですぅ～\r\nまた今度ですね～", kanasimi}}, {{Affection, -10}, {Fatigue, -10}}}},
    {"おどりをおどる",
     {{"ポチが、蛇たちと踊っている・・・", raku}, {"左クリック＞声をかける\r\n右クリック＞そっとしておく", raku}},
     {{{"きゃ～\r\nタマご主人様～！見て下さい、\r\n蛇さんたちがポチと踊りを踊ってくれているんですよ～！", ki}},
      {{Affection, 10}, {Fatigue, 10}}},
     {{{"ふ～ふ～\r\nうううう～\r\nるる～（にょろにょろ）", raku}}, {{Affection, -10}, {Fatigue, -10}, {Dance, 10}}}},
    {"ちょうちょ",
     {{"ちょうちょさん、まってぇですう！", ki}, {"左クリック＞あんまり走ると転ぶぞぉ！\r\n右クリック＞無邪気な奴めぇ！", ki}},
     {{}, {{Fatigue, -5}}, false},
     {{}, {{Affection, 10}}, false}},
    {"おはな",
     {{"タマご主人様、見て下さい、\r\nお花が咲いてますぅ", raku}, {"左クリック＞可愛いね\r\n右クリック＞綺麗だね", raku}},
     {{}, {{Dance, 5}}, false},
     {{}, {{Song, 5}}, false}},
    {"いもむし",
     {{"いもむしさん、\r\nいもいもですぅ", raku},
      {"左クリック＞ポチに似ているね\r\n右クリック＞あんまり弄ると死んじゃうぞ", raku}},
     {{}, {{Affection, 5}, {Fatigue, 5}}, false},
     {{}, {{Affection, -5}, {Fatigue, -5}}, false}},
    {"かなしむ",
     {{"タマご主人様はポチが嫌いなのですか？", kanasimi},
      {"左クリック＞そんなことないよ\r\n右クリック＞厳しくするのは愛しているからだよ", kanasimi}},
     {{{"だったらもっと優しくして下さい～\r\nポチ、くじけそうです～\r\n（ひっくひっく）", kanasimi}},
      {{Dance, 5}, {Song, 5}}, false},
     {{{"そうだったのですか！\r\nポチ、がんばるです～！！", ki}}, {{Affection, 5}}, false}},
};

using EventTest = GameTest;

// Every event with each button for every click (any but the left one gives the
// right answer) and R(10) = draws[i] for the i-th change: the smallest, the
// largest, and different draws that show the order of the changes.
TEST_F(EventTest, EveryAnswerShowsItsPagesChangesItsValuesAndGivesTheGameBack)
{
    // Equal song and dance, as "イコール" finds them; a fatigue that every decrease takes below 0.
    const Values start = {120, 120, 3, 130};
    startRaising();
    st().Command = DanceCommand;
    for (const Event& event : Events) {
        auto expectShown = [&](const Shown& shown, bool running) {
            EXPECT_EQ(out.speech, shown.text);
            EXPECT_EQ(out.picture, shown.picture);
            EXPECT_EQ(st().Scene, running ? SceneValue(event.name) : SceneValue());
            EXPECT_EQ(out.clockRunning, !running);
        };
        for (const std::uint8_t button : {1, 2, 4}) {
            for (const std::array<int, 3> draws : {std::array{0, 0, 0}, std::array{9, 9, 9}, std::array{1, 4, 7}}) {
                SCOPED_TRACE(::testing::Message() << event.name << ", button " << int(button) << ", draw " << draws[1]);
                const Answer& answer = button == 1 ? event.left : event.right;
                std::vector<Shown> pages = event.opening;  // after each click, the last one ending the event
                pages.insert(pages.end(), answer.shown.begin(), answer.shown.end());
                if (answer.shown.empty())
                    pages.push_back(event.opening.back());
                Values expected = st().Status = start;
                for (std::size_t i = 0; i < answer.changes.size(); ++i) {
                    const auto [value, base] = answer.changes[i];
                    expected[value] = std::max(0, expected[value] + (base > 0 ? base + draws[i] : base - draws[i]));
                    rnd.push({R(10, draws[i])});
                }
                out.sounds.clear();

                game.IventStt(event.name);
                EXPECT_EQ(out.clickHint, "くりっく！！　");
                for (std::size_t i = 0; i < pages.size(); ++i) {
                    if (i > 0)
                        click(button);
                    expectShown(pages[i], i + 1 < pages.size() || answer.closingClick);
                    EXPECT_EQ(st().Status, i < event.opening.size() ? start : expected) << "page " << i;
                }
                if (answer.closingClick)
                    click(button);
                expectShown(pages.back(), false);
                EXPECT_EQ(rnd.left(), 0u);
                EXPECT_EQ(out.sounds, std::vector<int>{DanceCommand});
                EXPECT_EQ(out.selectedCommand, DanceCommand);
                EXPECT_EQ(out.speechColour, (Rgb{55, 99, 55}));
                EXPECT_EQ(out.clickHint, "");
            }
        }
    }
}

TEST_F(EventTest, AFullValueIsKeptThroughTheEventAndEndsTheGameAtItsNextChange)
{
    startRaising();
    st().Status = {50, 50, 50, 250};
    game.IventStt("ぜいたく");
    rnd.push({R(10, 4), R(10, 0)});
    click();
    click();
    EXPECT_EQ(st().Status[Affection], 259);
    click();
    tick({R(2, 0), R(2, 0), R(300, 0)});  // resting never changes affection: the game goes on
    EXPECT_TRUE(st().Scene.isNone());
    st().Command = SongCommand;  // singing changes affection last, even by 0: that change ends the game
    tick({R(2, 0), R(3, 0), R(2, 0), R(300, 0)});
    EXPECT_EQ(st().Scene, SceneValue::ending(1));
    EXPECT_EQ(st().Status, (Values{51, 50, 53, 259}));
}

}  // namespace
}  // namespace mokopi::testing
