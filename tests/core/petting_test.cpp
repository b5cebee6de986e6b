#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace mokopi::testing {
namespace {

using Values = std::array<std::int16_t, 4>;

double R(int n, int k) { return ScriptedRandom::forR(n, k); }

class PettingTest : public GameTest {
protected:
    PettingTest()
    {
        startRaising();
        out.sounds.clear();
    }

    void pushRestHour(int eventRoll = 0) { rnd.push({R(2, 0), R(2, 0), R(300, eventRoll)}); }
};

TEST_F(PettingTest, AffectionRisesFirstThenElevenHoursPassWithNoCheckBetween)
{
    struct Case {
        std::int16_t affectionBefore;
        int bonusDraw;  // R(10): +10..19
        std::int16_t affectionAfter;
        std::optional<int> ending;
    };
    // 245 + 10 fills up: the ending starts at once, and the hours still run.
    for (const Case c : {Case{30, 0, 40, std::nullopt}, Case{30, 9, 49, std::nullopt}, Case{245, 0, 245, 1}}) {
        SCOPED_TRACE(c.affectionBefore + c.bonusDraw);
        startRaising();
        out.pictureLog.clear();
        out.sounds.clear();
        st().Status = {0, 0, 0, c.affectionBefore};
        rnd.push(R(10, c.bonusDraw));
        for (int hour = 0; hour < 11; ++hour)
            pushRestHour();

        game.IMG_MouseDown();

        EXPECT_TRUE(rnd.exhausted());
        EXPECT_EQ(st().Status, (Values{0, 0, 0, c.affectionAfter}));
        EXPECT_EQ(st().Hour, 11);
        EXPECT_EQ(out.pictureLog.front(), "lov.bmp");
        EXPECT_EQ(out.sounds, std::vector<int>{3});
        if (c.ending) {
            EXPECT_EQ(st().Scene, SceneValue::ending(static_cast<std::int16_t>(*c.ending)));
        } else {
            EXPECT_EQ(out.speech, "きゃきゃ！");
            EXPECT_TRUE(st().Scene.isNone());
        }
    }
}

// An event that starts in one of the eleven hours does not stop them: the
// later hours see a running scene, so a full value is stored, and a later
// event replaces the first.
TEST_F(PettingTest, AnEventInALaterHourLetsTheRemainingHoursRunInsideIt)
{
    constexpr double Miss = 0.0, Hit = 0.95;
    st().Status = {252, 0, 0, 0};
    st().Command = SongCommand;
    rnd.push(R(10, 5));
    const auto songHour = [&](int gain, int eventRoll) { rnd.push({R(2, gain - 1), R(3, 0), R(2, 0), R(300, eventRoll)}); };
    songHour(1, 0);                         // hour 1: song 253
    songHour(1, 290);                       // hour 2: song 254, then rules b, d miss, e hits
    rnd.push({Miss, Miss, Hit});
    songHour(2, 0);                         // hour 3: song 256 is stored
    for (int hour = 4; hour <= 6; ++hour)  // song 259
        songHour(1, 0);
    songHour(1, 299);                       // hour 7: song 260, rules b, d, e miss, f hits
    rnd.push({Miss, Miss, Miss, Hit});
    for (int hour = 8; hour <= 11; ++hour)  // song 264
        songHour(1, 0);

    game.IMG_MouseDown();

    EXPECT_TRUE(rnd.exhausted()) << rnd.left() << " draws left";
    EXPECT_EQ(st().Status, (Values{264, 0, 11, 15}));
    EXPECT_EQ(st().Hour, 11);
    EXPECT_EQ(st().Scene, SceneValue("うたをうたう"));
    EXPECT_EQ(st().Page, 1);
    EXPECT_EQ(st().EndingCleared, (std::array<bool, 9>{}));
    EXPECT_FALSE(out.clockRunning);
}

TEST_F(PettingTest, IsRefusedDuringTheTitleAndEveryScene)
{
    struct Case {
        const char* name;
        std::function<void()> setUp;
    };
    const Case cases[] = {
        {"title", [&] { game.Opening(); }},
        {"naming", [&] {
             game.Opening();
             click();
         }},
        {"event", [&] { game.IventStt("ちょうちょ"); }},
        {"ending", [&] { game.IventStt(SceneValue::ending(2)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRaising();
        st().Status = {1, 2, 3, 4};
        c.setUp();
        const auto pictures = out.pictureLog.size();
        const std::string speech = out.speech;
        const auto status = st().Status;
        const auto hour = st().Hour;
        out.sounds.clear();

        game.IMG_MouseDown();  // any draw would fail: none is listed

        EXPECT_EQ(out.pictureLog.size(), pictures);
        EXPECT_EQ(out.speech, speech);
        EXPECT_TRUE(out.sounds.empty());
        EXPECT_EQ(st().Status, status);
        EXPECT_EQ(st().Hour, hour);
    }
}

}  // namespace
}  // namespace mokopi::testing
