#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

// What the speech line and the pet picture show after a step.
struct Shown {
    std::string text;
    Picture picture;
};

// One change of an answer: +K raises by K..K+9, -K lowers by K..K+9.
struct Change {
    Value value;
    int base;
};

struct Answer {
    std::vector<Shown> shown;  // after the answer click, then after each further page; none: the choice stays
    std::vector<Change> changes;
    bool closingClick;  // false: the answer click itself ends the event
};

struct Event {
    const char* tag;
    const char* name;
    std::vector<Shown> opening;  // step 0 up to the choice page
    Answer left;
    Answer right;
};

void PrintTo(const Event& event, std::ostream* os) { *os << event.tag; }

const std::vector<Event>& events()
{
    using enum Picture;
    static const std::vector<Event> all = {
        {"Equal", "イコール",
         {{"タマご主人様～＊", raku},
          {"タマご主人様は、\r\n活発な生き物とおとなしい生き物、\r\nどちらが好きですか～？", raku},
          {"左クリック＞おとなしい生き物\r\n右クリック＞活発な生き物", raku}},
         {{{"うにゅー\r\nポチも、そうなりたい～", raku}}, {{Song, +20}, {Dance, -20}}, true},
         {{{"うにゅー\r\nポチも、そうなりたい～", raku}}, {{Dance, +20}, {Song, -20}}, true}},
        {"Luxury", "ぜいたく",
         {{"もこぴになったら\u3000ポチ、\r\nタマご主人様にうーんと贅沢させてあげます～", ki},
          {"左クリック＞ありがとうね\r\n右クリック＞そんなことは心配しなくて良いよ", ki}},
         {{{"えへてへ", ki}}, {{Affection, +5}, {Fatigue, +5}}, true},
         {{{"むにゅ～\r\nダメです～\r\nもう、ポチは、キメッチャッタんです～", ikari}},
          {{Affection, -5}, {Fatigue, -5}},
          true}},
        {"LostConfidence", "じしんそうしつ",
         {{"ポチ、このごろ自信ないです", kanasimi},
          {"タマご主人様、\r\nポチはちゃんとしたもこぴになれるかなぁ", kanasimi},
          {"左クリック＞抱きしめる\r\n右クリック＞励ます", kanasimi}},
         {{{"きゃ！\r\nもこ、もこ", ki}, {"ありがとうタマご主人様、\r\nポチ、がんばる", raku}},
          {{Affection, +5}},
          true},
         {{{"うにゅーーー！\r\nそうね、くよくよしていても始まらないね", ki},
           {"ありがとうタマご主人様、\r\nポチ、がんばる", raku}},
          {{Song, +5}, {Dance, +5}},
          true}},
        {"SongGift", "うたをおくる",
         {{"タマご主人様のために\r\nポチ、お歌を作りました。\r\n聞いてくれますか？", raku},
          {"左クリック＞いいよ\r\n右クリック＞今忙しいから・・・", raku}},
         {{{"ありがとうです～\r\nポチ、はりきって歌いますね～！", ki}}, {{Affection, +10}, {Fatigue, +10}}, true},
         {{{"うにゃ～\r\nそれなら仕方ないですぅ～\r\nまた聞いて下さいね", kanasimi}},
          {{Affection, -10}, {Fatigue, -10}},
          true}},
        {"Singing", "うたをうたう",
         {{"ポチが、\r\n小鳥たちと歌っている・・・", raku},
          {"左クリック＞声をかける\r\n右クリック＞そっとしておく", raku}},
         {{{"きゃ～\r\nタマご主人様～！見て下さい、\r\n小鳥さんたちがポチとお歌を歌ってくれているんですよ～！", ki}},
          {{Affection, +10}, {Fatigue, +10}},
          true},
         {{{"ふ～ふ～\r\nうううう～\r\nるる～（ちゅんちゅん）", raku}},
          {{Affection, -10}, {Fatigue, -10}, {Song, +10}},
          true}},
        {"DanceGift", "おどりをおくる",
         {{"タマご主人様のために\r\nポチ、踊りたいです～。\r\n見てくださーい", raku},
          {"左クリック＞いいよ\r\n右クリック＞今忙しいから・・・", raku}},
         {{{"きゃ～\r\nポチ、がんばりますぅ～！", ki}}, {{Affection, +10}, {Fatigue, +10}}, true},
         {{{"うにゃ～\r\nそれなら仕方ないですぅ～\r\nまた今度ですね～", kanasimi}},
          {{Affection, -10}, {Fatigue, -10}},
          true}},
        {"Dancing", "おどりをおどる",
         {{"ポチが、蛇たちと踊っている・・・", raku},
          {"左クリック＞声をかける\r\n右クリック＞そっとしておく", raku}},
         {{{"きゃ～\r\nタマご主人様～！見て下さい、\r\n蛇さんたちがポチと踊りを踊ってくれているんですよ～！", ki}},
          {{Affection, +10}, {Fatigue, +10}},
          true},
         {{{"ふ～ふ～\r\nうううう～\r\nるる～（にょろにょろ）", raku}},
          {{Affection, -10}, {Fatigue, -10}, {Dance, +10}},
          true}},
        {"Butterfly", "ちょうちょ",
         {{"ちょうちょさん、まってぇですう！", ki},
          {"左クリック＞あんまり走ると転ぶぞぉ！\r\n右クリック＞無邪気な奴めぇ！", ki}},
         {{}, {{Fatigue, -5}}, false},
         {{}, {{Affection, +10}}, false}},
        {"Flower", "おはな",
         {{"タマご主人様、見て下さい、\r\nお花が咲いてますぅ", raku}, {"左クリック＞可愛いね\r\n右クリック＞綺麗だね", raku}},
         {{}, {{Dance, +5}}, false},
         {{}, {{Song, +5}}, false}},
        {"Caterpillar", "いもむし",
         {{"いもむしさん、\r\nいもいもですぅ", raku},
          {"左クリック＞ポチに似ているね\r\n右クリック＞あんまり弄ると死んじゃうぞ", raku}},
         {{},
          {{Affection, +5}, {Fatigue, +5}},
          false},
         {{},
          {{Affection, -5}, {Fatigue, -5}},
          false}},
        {"Sad", "かなしむ",
         {{"タマご主人様はポチが嫌いなのですか？", kanasimi},
          {"左クリック＞そんなことないよ\r\n右クリック＞厳しくするのは愛しているからだよ", kanasimi}},
         {{{"だったらもっと優しくして下さい～\r\nポチ、くじけそうです～\r\n（ひっくひっく）", kanasimi}},
          {{Dance, +5}, {Song, +5}},
          false},
         {{{"そうだったのですか！\r\nポチ、がんばるです～！！", ki}}, {{Affection, +5}}, false}},
    };
    return all;
}

// Far enough from 0 and 255 that no change of an answer is clamped.
constexpr std::array<std::int16_t, 4> Start = {100, 110, 120, 130};

class EventScriptTest : public ::testing::TestWithParam<Event> {
protected:
    // Plays the event from its start to past its end with one mouse button
    // for every click and R(10) = draws[i] for the i-th change.
    void play(std::uint8_t button, const std::vector<int>& draws)
    {
        const Event& event = GetParam();
        const Answer& answer = button == 1 ? event.left : event.right;
        RecordingOutside out;
        ScriptedRandom rnd;
        Game game(out, rnd);
        game.Form_Load();
        GameState& st = game.state();
        st.PetName = "ポチ";
        st.OwnerName = "タマ";
        st.Command = DanceCommand;
        st.Status = Start;

        auto click = [&] {
            game.Lbl_MouseDown(button);
            game.Lbl_Click();
        };
        auto expectShown = [&](const Shown& shown, const std::string& when) {
            EXPECT_EQ(out.speech, shown.text) << when;
            EXPECT_EQ(out.picture, shown.picture) << when;
        };
        auto expectRunning = [&](const std::string& when) {
            EXPECT_EQ(st.Scene, SceneValue(event.name)) << when;
            EXPECT_TRUE(st.SceneRunning) << when;
            EXPECT_FALSE(out.clockRunning) << when;
            EXPECT_TRUE(out.sounds.empty()) << when;
        };

        game.IventStt(event.name);
        for (std::size_t step = 0; step < event.opening.size(); ++step) {
            if (step > 0)
                click();
            const std::string when = "step " + std::to_string(step);
            expectShown(event.opening[step], when);
            expectRunning(when);
            EXPECT_EQ(st.Status, Start) << when;
        }

        auto expected = Start;
        ASSERT_LE(answer.changes.size(), draws.size());
        for (std::size_t i = 0; i < answer.changes.size(); ++i) {
            const Change& c = answer.changes[i];
            rnd.push(ScriptedRandom::forR(10, draws[i]));
            expected[c.value] += c.base > 0 ? c.base + draws[i] : c.base - draws[i];
        }
        click();
        EXPECT_TRUE(rnd.exhausted()) << rnd.left() << " draws left";
        EXPECT_EQ(st.Status, expected);

        const std::vector<Shown> after = answer.shown.empty() ? std::vector{event.opening.back()} : answer.shown;
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i > 0)
                click();
            const std::string when = "page " + std::to_string(i) + " after the answer";
            expectShown(after[i], when);
            if (i + 1 < after.size() || answer.closingClick)
                expectRunning(when);
        }
        if (answer.closingClick) {
            click();
            expectShown(after.back(), "closing click");
            EXPECT_EQ(st.Status, expected);
        }

        EXPECT_TRUE(st.Scene.isNone());
        EXPECT_FALSE(st.SceneRunning);
        EXPECT_TRUE(out.clockRunning);
        EXPECT_EQ(out.sounds, std::vector<int>{DanceCommand});

        // The ended event no longer answers clicks.
        click();
        expectShown(after.back(), "click after the end");
        EXPECT_EQ(st.Status, expected);
        EXPECT_EQ(out.sounds.size(), 1u);
    }
};

TEST_P(EventScriptTest, EveryAnswerShowsItsPagesAndChangesItsValuesInOrder)
{
    // Smallest and largest draws, and different draws that show the order of the changes.
    const std::vector<std::vector<int>> drawSets = {{0, 0, 0}, {9, 9, 9}, {1, 4, 7}};
    // Any button but the left one gives the right answer, in every event.
    for (const std::uint8_t button : {1, 2, 4}) {
        for (const auto& draws : drawSets) {
            SCOPED_TRACE(::testing::Message() << "button " << int(button) << ", draws " << draws[0] << ","
                                              << draws[1] << "," << draws[2]);
            play(button, draws);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllEvents, EventScriptTest, ::testing::ValuesIn(events()),
                         [](const auto& info) { return std::string(info.param.tag); });

// Events as the clock and petting start them.
class EventPlayTest : public GameTest {
protected:
    EventPlayTest()
    {
        startRaising();
        out.sounds.clear();
        out.pictureLog.clear();
    }

    // Draws of one hour of rest that changes no skill, then the event roll.
    void pushRestHour(int roll)
    {
        rnd.push({ScriptedRandom::forR(2, 0), ScriptedRandom::forR(2, 0), ScriptedRandom::forR(300, roll)});
    }

    // The event rolls after a hit of the hour, with song and dance unequal and
    // fatigue at most 100: the sad, affection, song and dance rolls miss, then
    // `misses` of the flower, butterfly and caterpillar rolls before one hits.
    void pushNatureRolls(int misses)
    {
        for (int i = 0; i < 6 + misses; ++i)
            rnd.push(ScriptedRandom::forR(100, 0));
        rnd.push(ScriptedRandom::forR(100, 95));
    }

    void answer(std::uint8_t button, std::initializer_list<int> draws)
    {
        for (const int k : draws)
            rnd.push(ScriptedRandom::forR(10, k));
        click(button);
    }
};

TEST_F(EventPlayTest, EqualAt120MovesTheChosenValueUpAndTheOtherDown)
{
    for (const std::uint8_t button : {1, 2, 4}) {
        for (const int k : {0, 9}) {
            SCOPED_TRACE(::testing::Message() << "button " << int(button) << ", R(10) " << k);
            st().Status = {120, 120, 0, 0};
            pushRestHour(290);
            game.Tim_Timer();
            ASSERT_EQ(st().Scene, SceneValue("イコール"));
            click();
            click();
            answer(button, {k, k});
            const int raised = button == 1 ? Song : Dance;
            EXPECT_EQ(st().Status[raised], 140 + k);
            EXPECT_EQ(st().Status[1 - raised], 100 - k);
            click();
            ASSERT_TRUE(st().Scene.isNone());
        }
    }
    EXPECT_TRUE(rnd.exhausted());
}

TEST_F(EventPlayTest, ADecreaseBelowOneStoresZero)
{
    st().Status = {0, 0, 3, 0};
    game.IventStt("ちょうちょ");
    click();
    answer(1, {0});
    EXPECT_EQ(st().Status[Fatigue], 0);
    EXPECT_EQ(out.status.status[Fatigue], 0);

    // A sum of exactly 0 is stored as 0 too.
    st().Status = {0, 0, 10, 10};
    game.IventStt("うたをおくる");
    click();
    answer(2, {0, 3});
    EXPECT_EQ(st().Status, (std::array<std::int16_t, 4>{0, 0, 0, 0}));
}

TEST_F(EventPlayTest, AFullValueIsKeptThroughTheEventAndEndsTheGameAtItsNextChange)
{
    st().Status = {50, 50, 50, 250};
    game.IventStt("ぜいたく");
    click();
    answer(1, {4, 0});
    EXPECT_EQ(st().Status[Affection], 259);
    EXPECT_EQ(st().Scene, SceneValue("ぜいたく"));
    click();
    ASSERT_TRUE(st().Scene.isNone());

    // Resting changes fatigue and a skill, never affection: the game goes on.
    pushRestHour(0);
    game.Tim_Timer();
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_EQ(st().Status[Affection], 259);

    // Singing changes affection last, even by 0: that call starts the ending.
    game.Opt_Click(SongCommand);
    rnd.push({ScriptedRandom::forR(2, 0), ScriptedRandom::forR(3, 0), ScriptedRandom::forR(2, 0),
              ScriptedRandom::forR(300, 0)});
    game.Tim_Timer();
    EXPECT_TRUE(st().Scene.endingNumber().has_value());
    EXPECT_EQ(st().Status, (std::array<std::int16_t, 4>{51, 50, 53, 259}));
    EXPECT_TRUE(rnd.exhausted());
}

TEST_F(EventPlayTest, AnEventStartedInALaterPettingHourReplacesTheRunningOne)
{
    rnd.push(ScriptedRandom::forR(10, 0));  // affection +10
    pushRestHour(295);
    pushNatureRolls(0);  // "おはな" in the first hour
    for (int hour = 2; hour <= 4; ++hour)
        pushRestHour(0);
    pushRestHour(299);
    pushNatureRolls(1);  // "ちょうちょ" in the fifth
    for (int hour = 6; hour <= 11; ++hour)
        pushRestHour(0);

    game.IMG_MouseDown();

    EXPECT_TRUE(rnd.exhausted());
    EXPECT_EQ(st().Hour, 11);
    EXPECT_EQ(st().Scene, SceneValue("ちょうちょ"));
    EXPECT_EQ(st().Page, 1);
    EXPECT_EQ(out.speech, "ちょうちょさん、まってぇですう！");
    EXPECT_EQ(out.pictureLog, (std::vector<std::string>{"lov.bmp", "raku.bmp", "ki.bmp"}));
    EXPECT_FALSE(out.clockRunning);

    click();
    answer(2, {0});
    EXPECT_TRUE(st().Scene.isNone());
    EXPECT_EQ(st().Status[Affection], 20);
    // Petting's cry and the one end of the butterfly; the flower never ends.
    EXPECT_EQ(out.sounds, (std::vector<int>{3, RestCommand}));
    click();
    EXPECT_EQ(out.sounds.size(), 2u);
    EXPECT_TRUE(out.clockRunning);
}

}  // namespace
}  // namespace mokopi::testing
