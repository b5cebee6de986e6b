// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "game/game.h"
#include "persist/cp932.h"
#include "support/recording_outside.h"
#include "support/scripted_random.h"

namespace mokopi::testing {

using namespace game;
using persist::unsavableCharacters;

using Values = std::array<std::int16_t, 4>;

// A game after start-up, with a recording window and a scripted generator.
class GameTest : public ::testing::Test {
protected:
    GameTest() { game.Form_Load(); }

    GameState& st() { return game.state(); }

    // Clicks the speech line with a button: the press comes before the click.
    void click(std::uint8_t button = 1)
    {
        game.Lbl_MouseDown(button);
        game.Lbl_Click();
    }

    // From a new game's title through the naming scene to the running clock.
    void startRaising(const std::string& owner = "タマ", const std::string& pet = "ポチ")
    {
        game.Opening();
        out.textAnswers = {owner, pet};
        for (int i = 0; i < 10; ++i)
            click();
    }

    // One clock hour that must take exactly these draws.
    void tick(const std::vector<double>& draws)
    {
        rnd.push(draws);
        const auto before = rnd.drawn();
        game.Tim_Timer();
        EXPECT_EQ(rnd.drawn() - before, draws.size()) << "draws in the hour";
    }

    RecordingOutside out;
    ScriptedRandom rnd;
    Game game{out, rnd, unsavableCharacters};
};

}  // namespace mokopi::testing
