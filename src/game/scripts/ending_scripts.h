// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/script.h"

namespace mokopi::game::scripts {

// The story of ending n as a script: its pages, then the click that starts
// a new game.
const Script& endingScript(int n);

}  // namespace mokopi::game::scripts
