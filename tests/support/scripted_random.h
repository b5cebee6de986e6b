#pragma once

#include <cstddef>
#include <vector>

#include "core/random.h"

namespace mokopi::testing {

// Hands out the draws a test lists, in order. Drawing one too many fails the
// test; exhausted() lets a test check that none was left over.
class ScriptedRandom final : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> draws) : draws_(std::move(draws)) {}

    void push(double r) { draws_.push_back(r); }
    void push(std::initializer_list<double> rs) { draws_.insert(draws_.end(), rs); }
    // A draw that makes R(n) yield k.
    static double forR(int n, int k) { return (k + 0.5) / n; }

    double next() override;
    std::size_t drawn() const { return next_; }
    std::size_t left() const { return draws_.size() - next_; }
    bool exhausted() const { return left() == 0; }

private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
};

// The same uniform value forever: for tests that do not care about chance.
class ConstantRandom final : public Random {
public:
    explicit ConstantRandom(double r) : r_(r) {}
    double next() override
    {
        ++drawn_;
        return r_;
    }
    std::size_t drawn() const { return drawn_; }

private:
    double r_;
    std::size_t drawn_ = 0;
};

}  // namespace mokopi::testing
