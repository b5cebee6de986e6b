// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/script.h"

#include "game/endings.h"
#include "game/scene_names.h"
#include "game/scripts/ending_scripts.h"
#include "game/scripts/event_scripts.h"
#include "game/scripts/title_scripts.h"

namespace mokopi::game {

const Script* findScript(const SceneValue& scene)
{
    if (const auto ending = scene.endingNumber())
        return *ending >= 0 && *ending < EndingCount ? &scripts::endingScript(*ending) : nullptr;
    const std::string* name = scene.name();
    if (name == nullptr || name->empty())
        return nullptr;
    if (*name == scene::Title)
        return &scripts::titleScript();
    if (*name == scene::Naming)
        return &scripts::namingScript();
    return scripts::eventScript(*name);
}

}  // namespace mokopi::game
