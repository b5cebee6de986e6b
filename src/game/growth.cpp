// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/game.h"
#include "game/scene_names.h"

namespace mokopi::game {

namespace {

constexpr int PettingHours = 11;
constexpr std::uint8_t LastDay = 24;

}  // namespace

void Game::Tim_Timer() { HourTick(); }

void Game::HourTick()
{
    // The period is over from day 24 on. A game saved while that day's ending
    // was told comes back from its file without the story (a load ends the
    // running scene): the first hour after it tells the ending again, so that
    // every game ends and the clock never counts past day 24.
    if (s_.Day >= LastDay && !s_.Scene.endingNumber().has_value()) {
        EndingStt();
        return;
    }

    s_.Hour = static_cast<std::int16_t>(s_.Hour % 24 + 1);
    if (s_.Hour == 24 && s_.Day < LastDay) {
        ++s_.Day;
        if (s_.Day == LastDay) {
            EndingStt();
            return;
        }
    }

    if (s_.Status[Fatigue] >= 200)
        StatusAdd(Affection, 1 - rnd_.R(2));

    if (s_.Command == SongCommand || s_.Command == DanceCommand) {
        StatusAdd(s_.Command, rnd_.R(2) + 1);
        StatusAdd(Fatigue, rnd_.R(3) + 1);
        StatusAdd(Affection, -rnd_.R(2));
    } else {
        StatusAdd(Fatigue, -3);
        const int skill = rnd_.R(2);
        const int loss = rnd_.R(2);
        StatusAdd(skill, -loss);
    }

    // The roll is drawn every hour, but an ending that has begun is always
    // told: no event may take its place, or the player would never see it.
    const int roll = rnd_.R(300);
    const bool endingRunning = s_.Scene.endingNumber().has_value();
    if (roll >= 290 && s_.eventsOn && !endingRunning && startEventOfTheHour())
        return;
    Hyouji();
}

// Tries the event rules in order; each rule's roll is drawn before its other
// conditions are looked at. True when the hour ends without a redraw.
bool Game::startEventOfTheHour()
{
    const auto& st = s_.Status;
    auto roll = [this] { return rnd_.R(100) >= 90; };

    if (st[Song] == st[Dance] && st[Song] >= 100) {
        IventStt(scene::Equal);
        return true;
    }
    if (roll() && st[Fatigue] >= 150 && s_.Command != RestCommand) {
        IventStt(scene::Sad);
        return true;
    }
    if (st[Fatigue] > 100)
        return false;

    struct Rule {
        bool (*applies)(const std::array<std::int16_t, 4>&);
        const char* event;
    };
    static constexpr Rule rules[] = {
        {[](const auto& v) { return v[Song] >= 100; }, scene::SongGift},
        {[](const auto& v) { return v[Song] >= 150; }, scene::Singing},
        {[](const auto& v) { return v[Dance] >= 100; }, scene::DanceGift},
        {[](const auto& v) { return v[Dance] >= 150; }, scene::Dancing},
        {[](const auto&) { return true; }, scene::Flower},
        {[](const auto&) { return true; }, scene::Butterfly},
        {[](const auto&) { return true; }, scene::Caterpillar},
    };

    if (roll() && st[Affection] >= 100) {
        IventStt(st[Dance] < 50 || st[Song] < 50 ? scene::LostConfidence : scene::Luxury);
        return false;
    }
    for (const Rule& rule : rules) {
        if (roll() && rule.applies(st)) {
            IventStt(rule.event);
            return false;
        }
    }
    return false;
}

void Game::StatusAdd(int index, int delta)
{
    // Only a hand-edited save can bring a sum near the 16-bit limits: saturate there.
    const int sum = std::clamp(s_.Status[index] + delta, int{std::numeric_limits<std::int16_t>::min()},
                               int{std::numeric_limits<std::int16_t>::max()});
    if (sum < 1) {
        s_.Status[index] = 0;
        Hyouji();
    } else if (sum >= 255 && s_.Scene.isNone()) {
        EndingStt();
    } else {
        s_.Status[index] = static_cast<std::int16_t>(sum);
        Hyouji();
    }
}

void Game::Opt_Click(int command)
{
    SePlay(command);
    s_.Command = static_cast<std::uint8_t>(command);
}

void Game::IMG_MouseDown()
{
    if (s_.SceneRunning || s_.Scene == SceneValue(scene::Title))
        return;
    out_.showPicture(Picture::lov);
    showSpeech(MOKOPI_TR("Speech line", "きゃきゃ！"));
    SePlay(3);
    StatusAdd(Affection, 10 + rnd_.R(10));
    for (int hour = 0; hour < PettingHours; ++hour)
        HourTick();
}

}  // namespace mokopi::game
