// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for what a hand-edited save can do to play: a record the
// decoder accepts (day 255, hour -32768, values at the 16-bit limits...) is
// loaded into a game that is then played a few hundred random steps. Under
// ASan and UBSan nothing may crash, the scene and clock rules must hold
// after every step, and the state reached must save and load back as it was.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string_view>

#include "game/game.h"
#include "game/null_outside.h"
#include "persist/cp932.h"
#include "persist/save_codec.h"

namespace {

using namespace mokopi;
using namespace mokopi::game;
using namespace mokopi::persist;

constexpr int Steps = 300;

// The same input always plays the same game, so a crash can be replayed.
std::uint64_t seedOf(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    }
    return hash;
}

// A scene exactly while SceneRunning, the clock exactly while none runs, and
// Page inside the running scene's script.
bool keepsTheRules(const GameState& st)
{
    const Script* script = findScript(st.Scene);
    return st.SceneRunning != st.Scene.isNone() && st.clockRunning != st.SceneRunning
        && (!st.SceneRunning || (script && st.Page >= 1 && st.Page <= script->size()));
}

bool savesAndLoadsBack(const Game& game)
{
    const SaveRecord record = game.saveRecord();
    const auto again = decodeSaveRecord(encodeSaveRecord(record));
    const auto* reloaded = std::get_if<SaveRecord>(&again);
    return reloaded && *reloaded == record;
}

void playOneStep(Game& game, std::mt19937_64& player, const SaveRecord& record)
{
    const auto below = [&](int n) { return static_cast<int>(player() % static_cast<std::uint64_t>(n)); };
    switch (below(12)) {
    case 0:
    case 1:
    case 2:
        if (game.state().clockRunning) {
            game.Tim_Timer();
        }
        break;
    case 3: game.Opt_Click(below(3)); break;
    case 4: game.IMG_MouseDown(); break;
    case 5:
    case 6:
        game.Lbl_MouseDown(static_cast<std::uint8_t>(1 << below(3)));
        game.Lbl_Click();
        break;
    case 7: game.TimSya_Timer(); break;
    case 8: game.TimAnm_Timer(); break;
    case 9: game.mnuEnding_Click(below(9)); break;
    case 10:
        (below(3) == 0 ? game.mnuMODE_Click() : below(2) == 0 ? game.mnuIVENT_Click() : game.mnuBGM_Click());
        break;
    default: game.load(record); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = decodeSaveRecord(bytes);
    const auto* record = std::get_if<SaveRecord>(&decoded);
    if (!record) {
        return 0;
    }
    NullOutside outside(true);  // yes to every question, so endings are replayed
    ClockSeededRandom random(seedOf(bytes));
    std::mt19937_64 player(seedOf(bytes) + 1);
    Game game(outside, random, unsavableCharacters);
    game.Form_Load();
    game.Opening();
    game.load(*record);
    for (int step = 0; step < Steps; ++step) {
        playOneStep(game, player, *record);
        if (!keepsTheRules(game.state())) {
            std::abort();
        }
    }
    if (!savesAndLoadsBack(game)) {
        std::abort();
    }
    return 0;
}
