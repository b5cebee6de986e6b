// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "game/endings.h"

namespace mokopi::game {

// The ending the pet's values lead to: song, dance, fatigue, affection.
EndingId decideEnding(const std::array<std::int16_t, 4>& status);

}  // namespace mokopi::game
