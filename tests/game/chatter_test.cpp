// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <set>
#include <tuple>

#include "game/chatter.h"
#include "game/page_text.h"
#include "support/game_fixture.h"

namespace mokopi::testing {

using namespace game;
namespace {

class ChatterTest : public GameTest {
protected:
    void speak(int n)
    {
        rnd.push({R(5, n)});
        game.TimSya_Timer();
    }
    static std::string line(ChatterSet set, int n) { return render(chatterLine(set, n).source, "ポチ", "タマ"); }
};

TEST_F(ChatterTest, TheFirstMatchingSetSpeaksTheLineOfTheDrawAndEverySceneSilencesIt)
{
    startRaising();
    const std::tuple<Values, std::uint8_t, ChatterSet> cases[] = {
        {{200, 200, 150, 0}, SongCommand, ChatterSet::WornOut},
        {{0, 0, 150, 0}, RestCommand, ChatterSet::WornOut},
        {{100, 0, 149, 0}, SongCommand, ChatterSet::LovesSinging},
        {{200, 100, 149, 0}, DanceCommand, ChatterSet::LovesDancing},
        {{99, 200, 0, 200}, SongCommand, ChatterSet::Singing},
        {{200, 99, 0, 0}, DanceCommand, ChatterSet::Dancing},
        {{200, 200, 0, 0}, RestCommand, ChatterSet::Resting},
    };
    std::set<std::string> heard;
    for (const auto& [values, command, set] : cases) {
        st().Status = values;
        st().Command = command;
        for (int n = 0; n < 5; ++n) {
            speak(n);
            EXPECT_EQ(out.speech, line(set, n)) << "fatigue " << values[Fatigue] << ", command " << int(command);
            heard.insert(out.speech);
        }
    }
    // A set copied over another, or a line left empty, would make the pet repeat itself.
    EXPECT_EQ(heard.size(), 30u);
    EXPECT_FALSE(heard.contains(""));

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
    EXPECT_EQ(out.speech, line(ChatterSet::Resting, 4));
}

}  // namespace
}  // namespace mokopi::testing
