// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/script.h"

namespace mokopi {

inline constexpr int EndingCount = 9;

// The story of ending n (0..8): its text pages, then a click that starts a new game.
const Script& endingScript(int n);

}  // namespace mokopi
