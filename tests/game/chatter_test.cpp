#include <tuple>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using Lines = std::array<const char*, 5>;

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
    void speak(int n) { rnd.push({R(5, n)}); game.TimSya_Timer(); }
};

TEST_F(ChatterTest, TheFirstMatchingSetSpeaksTheLineOfTheDrawAndEverySceneSilencesIt)
{
    startRaising();
    const std::tuple<Values, std::uint8_t, const Lines&> cases[] = {
        {{200, 200, 150, 0}, SongCommand, WornOut},     {{0, 0, 150, 0}, RestCommand, WornOut},
        {{100, 0, 149, 0}, SongCommand, LovesSinging},  {{200, 100, 149, 0}, DanceCommand, LovesDancing},
        {{99, 200, 0, 200}, SongCommand, Singing},      {{200, 99, 0, 0}, DanceCommand, Dancing},
        {{200, 200, 0, 0}, RestCommand, Resting},
    };
    for (const auto& [values, command, lines] : cases) {
        st().Status = values;
        st().Command = command;
        for (int n = 0; n < 5; ++n) {
            speak(n);
            EXPECT_EQ(out.speech, lines[n]) << "fatigue " << values[Fatigue] << ", command " << int(command);
        }
    }

    // The draw still comes every second.
    for (const SceneValue& scene : {SceneValue("stop"), SceneValue("おはな"), SceneValue::ending(0)}) {
        game.IventStt(scene);
        const std::string shown = out.speech;
        speak(0);
        EXPECT_EQ(out.speech, shown);
        EXPECT_EQ(rnd.left(), 0u);
    }
    game.IventEnd();
    speak(4);
    EXPECT_EQ(out.speech, Resting[4]);
}

}  // namespace
}  // namespace mokopi::testing
