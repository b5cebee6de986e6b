#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "game/game.h"
#include "game/scripts/event_scripts.h"
#include "persist/cp932.h"
#include "support/recording_outside.h"

namespace mokopi::testing {
namespace {

// No value below 0, a scene exactly while SceneRunning, the clock exactly
// while none runs, and Page inside the running scene's script.
bool keepsTheRules(const GameState& st)
{
    const Script* script = findScript(st.Scene);
    return std::ranges::none_of(st.Status, [](int v) { return v < 0; }) && st.SceneRunning != st.Scene.isNone()
        && st.clockRunning != st.SceneRunning
        && (!st.SceneRunning || (script && st.Page >= 1 && st.Page <= script->size()));
}

// Seeded players who do anything at any time, three games each: the clock
// ticks only while it runs, clicks use any of the three buttons.
TEST(SoakTest, RandomGamesKeepTheSceneAndClockRulesAndAllReachAnEnding)
{
    std::set<std::string> eventsSeen;
    for (unsigned seed = 0; seed < 700; ++seed) {
        RecordingOutside out;  // answers every box with cancel and No
        ClockSeededRandom rnd(seed);
        Game game(out, rnd, unsavableCharacters);
        const GameState& st = game.state();
        std::mt19937 player(seed);
        const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(player); };
        game.Form_Load();
        game.Opening();
        for (int played = 0, action = 0; played < 3; ++action) {
            ASSERT_LT(action, 60000) << "seed " << seed << ": game " << played << " never ended";
            const SceneValue before = st.Scene;
            if (const int a = below(12); a < 4) {
                if (st.clockRunning)
                    game.Tim_Timer();
            } else if (a == 4) {
                game.Opt_Click(below(3));
            } else if (a == 5) {
                game.IMG_MouseDown();
            } else if (a < 9) {
                game.Lbl_MouseDown(static_cast<std::uint8_t>(1 << below(3)));
                game.Lbl_Click();
            } else {
                a < 11 ? game.TimSya_Timer() : game.TimAnm_Timer();
            }
            ASSERT_TRUE(keepsTheRules(st)) << "seed " << seed << ", action " << action;
            if (const std::string* name = st.Scene.name(); name && eventScript(*name))
                eventsSeen.insert(*name);
            if (st.Scene == SceneValue("stop") && !(before == SceneValue("stop"))) {
                ASSERT_TRUE(before.endingNumber()) << "seed " << seed;  // only a story's last click leads back
                ++played;
            }
        }
    }
    EXPECT_EQ(eventsSeen.size(), 11u);  // the play reached every event, not only the common ones
}

}  // namespace
}  // namespace mokopi::testing
