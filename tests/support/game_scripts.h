// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "game/endings.h"
#include "game/scripts/ending_scripts.h"
#include "game/scripts/event_scripts.h"
#include "game/scene_names.h"
#include "game/scripts/title_scripts.h"

namespace mokopi::testing {

using namespace game;
using namespace game::scripts;

// The names of the eleven conversation events.
inline const std::vector<const char*> EventNames = {
    scene::Equal,     scene::Sad,     scene::Luxury, scene::LostConfidence, scene::SongGift,    scene::Singing,
    scene::DanceGift, scene::Dancing, scene::Flower, scene::Butterfly,      scene::Caterpillar,
};

// Every script of the game: the title, the naming scene, the eleven events and the nine endings.
inline std::vector<const Script*> allScripts()
{
    std::vector<const Script*> scripts = {&titleScript(), &namingScript()};
    for (const char* name : EventNames)
        scripts.push_back(eventScript(name));
    for (int n = 0; n < EndingCount; ++n)
        scripts.push_back(&endingScript(n));
    return scripts;
}

}  // namespace mokopi::testing
