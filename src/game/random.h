// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace mokopi::game {

// The game's one source of chance: uniform doubles in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;

    // R(n): an integer 0..n-1, each equally likely, from one fresh draw.
    int R(int n) { return static_cast<int>(std::floor(n * next())); }
};

// The generator of a real run, seeded from the clock.
class ClockSeededRandom final : public Random {
public:
    ClockSeededRandom();
    explicit ClockSeededRandom(std::uint64_t seed) : engine_(seed) {}
    double next() override;

private:
    std::mt19937_64 engine_;
};

}  // namespace mokopi::game
