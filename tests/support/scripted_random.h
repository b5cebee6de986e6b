#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "game/random.h"

namespace mokopi::testing {

// Hands out the draws a test lists, in order. One draw too many fails the
// test, unless repeat() names a draw to hand out after the list forever.
class ScriptedRandom final : public Random {
public:
    void push(const std::vector<double>& rs) { draws_.insert(draws_.end(), rs.begin(), rs.end()); }
    void repeat(double r) { repeat_ = r; }
    double next() override;
    std::size_t drawn() const { return drawn_; }
    std::size_t left() const { return draws_.size() - next_; }

private:
    std::vector<double> draws_;
    std::size_t next_ = 0, drawn_ = 0;
    std::optional<double> repeat_;
};

// A draw that makes R(n) yield k.
inline double R(int n, int k) { return (k + 0.5) / n; }

}  // namespace mokopi::testing
