// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/scripts/ending_scripts.h"

#include <array>

#include "game/endings.h"
#include "game/scripts/script_builders.h"

namespace mokopi::game::scripts {

const Script& endingScript(int n)
{
    static const std::array<Script, EndingCount> scripts = [] {
        std::array<Script, EndingCount> all;
        for (int i = 0; i < EndingCount; ++i) {
            for (const Text& text : ending(i).story)
                all[i].push_back(page(text));
            all[i].push_back(close(Finish::EndingEnd));
        }
        return all;
    }();
    return scripts.at(static_cast<std::size_t>(n));
}

}  // namespace mokopi::game::scripts
