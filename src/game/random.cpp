// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/random.h"

#include <chrono>

namespace mokopi::game {

ClockSeededRandom::ClockSeededRandom()
    : engine_(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{}

double ClockSeededRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike generate_canonical on some libraries.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace mokopi::game
