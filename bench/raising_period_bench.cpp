// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole raising period played by the game alone, in game hours per second,
// beside the generator draws that one hour needs: the floor an hour cannot
// beat. Target: an hour costs no more than three times its draws.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "game/game.h"
#include "game/null_outside.h"
#include "persist/cp932.h"

namespace {

using namespace mokopi;
using namespace mokopi::game;
using mokopi::persist::unsavableCharacters;

constexpr std::uint64_t Seed = 20240601;

class CountingRandom final : public Random {
public:
    explicit CountingRandom(Random& inner) : inner_(inner) {}
    double next() override
    {
        ++drawn;
        return inner_.next();
    }
    std::uint64_t drawn = 0;

private:
    Random& inner_;
};

void click(Game& game)
{
    game.Lbl_MouseDown(1);
    game.Lbl_Click();
}

// A day of eight song hours, eight dance hours and eight rest hours.
int commandFor(int nextHour) { return nextHour <= 8 ? SongCommand : nextHour <= 16 ? DanceCommand : RestCommand; }

// From the title through the naming (the boxes are cancelled: default names),
// the clock up to the ending, every event answered left, and the story told
// to the next title. Returns the hours the clock ran.
int playPeriod(Game& game)
{
    GameState& s = game.state();
    while (!s.Scene.isNone())
        click(game);
    int hours = 0;
    while (!s.Scene.endingNumber()) {
        if (!s.Scene.isNone()) {
            click(game);
            continue;
        }
        const int command = commandFor(s.Hour % 24 + 1);
        if (command != s.Command)
            game.Opt_Click(command);
        game.Tim_Timer();
        ++hours;
    }
    while (!(s.Scene == SceneValue("stop")))
        click(game);
    return hours;
}

// A game after start-up, on its first title, seen by no one.
struct Player {
    explicit Player(Random& random) : game(outside, random, unsavableCharacters)
    {
        game.Form_Load();
        game.Opening();
    }
    NullOutside outside;
    Game game;
};

// Draws per clock hour over many periods of the played game.
double drawsPerHour()
{
    static const double measured = [] {
        ClockSeededRandom generator(Seed);
        CountingRandom counting(generator);
        Player player(counting);
        std::uint64_t hours = 0;
        for (int period = 0; period < 200; ++period)
            hours += playPeriod(player.game);
        return static_cast<double>(counting.drawn) / static_cast<double>(hours);
    }();
    return measured;
}

void BM_RaisingPeriod(benchmark::State& state)
{
    ClockSeededRandom generator(Seed);
    Player player(generator);
    std::int64_t hours = 0;
    for (auto _ : state)
        hours += playPeriod(player.game);
    state.counters["hours"] = benchmark::Counter(static_cast<double>(hours), benchmark::Counter::kIsRate);
    state.counters["hours/period"] = static_cast<double>(hours) / static_cast<double>(state.iterations());
    state.counters["draws/hour"] = drawsPerHour();
}
BENCHMARK(BM_RaisingPeriod);

// The same number of next() calls as a thousand played hours take, through
// the game's interface so that each is a real virtual call.
void BM_DrawsOfAnHour(benchmark::State& state)
{
    constexpr int Hours = 1000;
    const auto draws = static_cast<std::int64_t>(std::llround(drawsPerHour() * Hours));
    ClockSeededRandom generator(Seed);
    Random* random = &generator;
    benchmark::DoNotOptimize(random);
    double sum = 0;
    for (auto _ : state) {
        for (std::int64_t i = 0; i < draws; ++i)
            sum += random->next();
        benchmark::DoNotOptimize(sum);
    }
    state.counters["hours"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * Hours, benchmark::Counter::kIsRate);
    state.counters["draws/hour"] = drawsPerHour();
}
BENCHMARK(BM_DrawsOfAnHour);

}  // namespace
