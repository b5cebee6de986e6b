#include <array>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using Lines = std::array<std::string, 5>;

const Lines WornOut = {"ポチはもうダメです～", "タマご主人様は厳しすぎます～", "休ませて下さい～", "ヘロヘロ～", "うにゃー"};
const Lines LovesSinging = {"ポチはお歌大好きです～", "タマご主人様～一緒に歌おうです～", "ルーラララらー",
                            "ポチのお歌はどうですか～", "お歌は心が癒されるです～"};
const Lines LovesDancing = {"ポチは踊るとうきうきしちゃうんです～", "タマご主人様～一緒に踊ろうです～", "たーのしー",
                            "ポチちょっとは綺麗に踊れていますか～", "体が自然に弾むです～"};
const Lines Singing = {"ポチ、お歌がんばるです～", "タマご主人様も聞いていてくださーい", "お歌でみんなを癒すのです～",
                       "ポチは、お歌上手くなりたいです～", "ひゅ～といといた～"};
const Lines Dancing = {"ポチ、踊りがんばるです～", "タマご主人様も見ていてクダサーい", "踊り、がんばれば上達しますか～",
                       "ポチは、癒しの踊りを踊りたいです～", "ふひふひ～"};
const Lines Resting = {"ポチ、只今お休み中～", "タマご主人様も、休む？", "明日にそなえるです～",
                       "ポチの疲れはドンドンとれていくのです～", "むにゃ～ん"};

class ChatterTest : public GameTest {
protected:
    ChatterTest()
    {
        st().PetName = "ポチ";
        st().OwnerName = "タマ";
    }

    void tick(int n)
    {
        rnd.push(ScriptedRandom::forR(5, n));
        game.TimSya_Timer();
    }
};

TEST_F(ChatterTest, TheFirstMatchingSetSpeaksItsLineOfTheDraw)
{
    struct Case {
        std::array<std::int16_t, 4> status;
        std::uint8_t command;
        const Lines& lines;
    };
    const Case cases[] = {
        {{200, 200, 150, 0}, SongCommand, WornOut},
        {{0, 0, 150, 0}, RestCommand, WornOut},
        {{100, 0, 149, 0}, SongCommand, LovesSinging},
        {{200, 100, 149, 0}, DanceCommand, LovesDancing},
        {{99, 200, 0, 200}, SongCommand, Singing},
        {{200, 99, 0, 0}, DanceCommand, Dancing},
        {{200, 200, 0, 0}, RestCommand, Resting},
    };
    const auto redraws = out.statusRedraws;
    for (const Case& c : cases) {
        st().Status = c.status;
        st().Command = c.command;
        for (int n = 0; n < 5; ++n) {
            out.speech = "前の\r\n台詞";
            tick(n);
            EXPECT_EQ(out.speech, c.lines[n]) << "fatigue " << c.status[Fatigue] << ", command " << int(c.command)
                                              << ", line " << n;
        }
    }
    // It speaks and does nothing else.
    EXPECT_EQ(st().Status, cases[std::size(cases) - 1].status);
    EXPECT_EQ(out.statusRedraws, redraws);
    EXPECT_TRUE(out.pictureLog.empty());
    EXPECT_TRUE(out.sounds.empty());
    EXPECT_TRUE(rnd.exhausted());
}

TEST_F(ChatterTest, EverySceneSilencesItButItDrawsEverySecond)
{
    const SceneValue scenes[] = {SceneValue("stop"), SceneValue("おはな"), SceneValue::ending(0)};
    for (const SceneValue& scene : scenes) {
        game.IventStt(scene);
        const std::string shown = out.speech;
        for (int n = 0; n < 5; ++n)
            tick(n);
        EXPECT_EQ(out.speech, shown);
        EXPECT_TRUE(rnd.exhausted());
    }

    // A second after the event ends, a line replaces its last page.
    st().Command = RestCommand;
    game.IventStt("おはな");
    click();
    rnd.push(ScriptedRandom::forR(10, 0));
    click();
    ASSERT_TRUE(st().Scene.isNone());
    tick(4);
    EXPECT_EQ(out.speech, Resting[4]);
}

}  // namespace
}  // namespace mokopi::testing
