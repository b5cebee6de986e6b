#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <string>

#include "core/game.h"
#include "scenes/event_scripts.h"
#include "support/null_outside.h"

namespace mokopi::testing {
namespace {

// The first rule of the running game that the state breaks, or "".
std::string brokenRule(const GameState& st)
{
    for (const auto value : st.Status)
        if (value < 0)
            return "a value below 0";
    if (st.SceneRunning == st.Scene.isNone())
        return "SceneRunning disagrees with Scene";
    if (st.clockRunning == st.SceneRunning)
        return st.SceneRunning ? "the clock runs during a scene" : "the clock stands with no scene";
    if (st.SceneRunning) {
        const Script* script = findScript(st.Scene);
        if (script == nullptr)
            return "a scene with no script";
        if (st.Page == 0 || st.Page > script->size())
            return "Page outside its script";
    }
    return {};
}

// A player who does anything at any time: the timers fire as the window's
// would (the clock only while it runs), clicks use any of the three buttons.
class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : rng_(seed) {}

    const char* act(Game& game)
    {
        switch (below(12)) {
        case 0:
        case 1:
        case 2:
        case 3:
            if (!game.state().clockRunning)
                return "nothing";
            game.Tim_Timer();
            return "Tim_Timer";
        case 4:
            game.Opt_Click(below(3));
            return "Opt_Click";
        case 5:
            game.IMG_MouseDown();
            return "IMG_MouseDown";
        case 6:
        case 7:
        case 8: {
            static constexpr std::uint8_t Buttons[] = {1, 2, 4};
            game.Lbl_MouseDown(Buttons[below(3)]);
            game.Lbl_Click();
            return "Lbl_Click";
        }
        case 9:
        case 10:
            game.TimSya_Timer();
            return "TimSya_Timer";
        default:
            game.TimAnm_Timer();
            return "TimAnm_Timer";
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::mt19937 rng_;
};

TEST(SoakTest, RandomGamesKeepTheRulesAndAllReachAnEnding)
{
    // Each run plays a few games in a row, so that later games start from
    // whatever the ending before them left behind.
    constexpr int Runs = 700;
    constexpr int GamesPerRun = 3;
    constexpr int MaxActions = 20000;
    std::set<std::string> eventsSeen;

    for (int seed = 0; seed < Runs; ++seed) {
        NullOutside out;
        ClockSeededRandom rnd(seed);
        Game game(out, rnd);
        RandomPlayer player(seed);
        const GameState& st = game.state();
        game.Form_Load();
        game.Opening();
        ASSERT_EQ(brokenRule(st), "");

        for (int played = 0; played < GamesPerRun; ++played) {
            bool pastTitle = false;
            for (int action = 0;; ++action) {
                ASSERT_LT(action, MaxActions) << "run " << seed << ", game " << played << " never ended";
                const SceneValue before = st.Scene;
                const char* handler = player.act(game);
                ASSERT_EQ(brokenRule(st), "")
                    << "run " << seed << ", game " << played << ", action " << action << ", " << handler;

                if (const std::string* name = st.Scene.name(); name && eventScript(*name))
                    eventsSeen.insert(*name);
                const bool atTitle = st.Scene == SceneValue("stop");
                if (!atTitle) {
                    pastTitle = true;
                } else if (pastTitle) {
                    // Only the last click of an ending story leads back to a fresh title.
                    ASSERT_TRUE(before.endingNumber().has_value()) << "run " << seed;
                    EXPECT_FALSE(st.GameStarted);
                    EXPECT_EQ(st.Status, (std::array<std::int16_t, 4>{}));
                    EXPECT_EQ(st.Day, 0);
                    EXPECT_EQ(st.Hour, 0);
                    break;
                }
            }
        }
    }

    // The play reached every event, not only the common ones.
    EXPECT_EQ(eventsSeen.size(), 11u);
}

}  // namespace
}  // namespace mokopi::testing
