// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "support/game_fixture.h"
#include "support/game_scripts.h"

namespace mokopi::testing {

using namespace game;
namespace {

using EventTest = GameTest;

// Each answer is played with each button (any but the left one gives the right answer) and with draws of
// R(10) that differ from change to change, so a change applied to another value, with another draw or in
// another order shows. The values the answer does not name must not move at all.
TEST_F(EventTest, EveryAnswerChangesExactlyTheValuesItNamesRedrawsThePanelAndGivesTheGameBack)
{
    // A fatigue that every decrease takes below 0; equal song and dance, as "イコール" finds them.
    const Values start = {120, 120, 3, 130};
    startRaising();
    st().Command = DanceCommand;
    for (const char* name : EventNames) {
        const Script* script = eventScript(name);
        ASSERT_NE(script, nullptr) << name;
        const auto answer = std::find_if(script->begin(), script->end(),
                                         [](const Step& step) { return step.kind == StepKind::Answer; });
        ASSERT_NE(answer, script->end()) << name;
        ASSERT_NE(answer, script->begin()) << name;
        const std::string_view offer = std::prev(answer)->page.text.source;  // the page that offers both answers
        EXPECT_TRUE(offer.find("左クリック") != offer.npos && offer.find("右クリック") != offer.npos) << name;

        for (const std::uint8_t button : {1, 2, 4}) {
            for (const int firstDraw : {0, 9, 4}) {
                SCOPED_TRACE(::testing::Message() << name << ", button " << int(button) << ", draw " << firstDraw);
                const Reaction& picked = button == 1 ? answer->left : answer->right;
                ASSERT_FALSE(picked.changes.empty());
                Values expected = st().Status = start;
                for (std::size_t i = 0; i < picked.changes.size(); ++i) {
                    const StatusChange& change = picked.changes[i];
                    const int draw = (firstDraw + 3 * static_cast<int>(i)) % 10;
                    rnd.push({R(10, draw)});
                    expected[change.index] = static_cast<std::int16_t>(
                        std::max(0, expected[change.index] + change.sign * (change.base + draw)));
                }
                out.sounds.clear();

                game.IventStt(name);
                int clicks = 0;
                for (; !st().Scene.isNone() && clicks < 20; ++clicks) {
                    if (st().Page == answer - script->begin()) {
                        EXPECT_EQ(st().Status, start) << "before the answer";
                    }
                    click(button);
                }
                EXPECT_LT(clicks, 20);
                EXPECT_EQ(st().Status, expected);
                EXPECT_EQ(out.status.status, expected);
                EXPECT_EQ(rnd.left(), 0u);
                EXPECT_EQ(out.sounds, std::vector<int>{DanceCommand});
                EXPECT_EQ(out.selectedCommand, DanceCommand);
                EXPECT_TRUE(out.clockRunning);
            }
        }
    }
}

}  // namespace
}  // namespace mokopi::testing
