// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "game/text.h"

namespace mokopi::game {

enum class ChatterSet { WornOut, LovesSinging, LovesDancing, Singing, Dancing, Resting };

// Which five lines fit the pet now: status in index order, command 0..2.
ChatterSet chatterSet(const std::array<std::int16_t, 4>& status, std::uint8_t command);

// Line n (0..4) of a set, as a page text template.
Text chatterLine(ChatterSet set, int n);

}  // namespace mokopi::game
