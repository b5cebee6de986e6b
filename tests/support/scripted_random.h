// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "game/random.h"

namespace mokopi::testing {

using namespace game;

// Hands out the draws a test lists, in order; one draw too many fails the test.
class ScriptedRandom final : public Random {
public:
    void push(const std::vector<double>& rs) { draws_.insert(draws_.end(), rs.begin(), rs.end()); }
    std::size_t drawn() const { return drawn_; }
    std::size_t left() const { return draws_.size() - next_; }
    double next() override
    {
        ++drawn_;
        if (next_ < draws_.size())
            return draws_[next_++];
        ADD_FAILURE() << "one draw too many: the script listed " << draws_.size();
        return 0.0;
    }

private:
    std::vector<double> draws_;
    std::size_t next_ = 0, drawn_ = 0;
};

// A draw that makes R(n) yield k.
inline double R(int n, int k) { return (k + 0.5) / n; }

}  // namespace mokopi::testing
