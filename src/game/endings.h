// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "game/picture_id.h"
#include "game/text.h"

namespace mokopi::game {

// The endings by their numbers, which the ending menu, the save file's
// cleared flags and the scene value of a running story all use.
enum class EndingId : std::uint8_t {
    RoyalLover,
    Lovers,
    OrdinaryLife,
    Singer,
    Dancer,
    LovingSinger,
    LovingDancer,
    HaggardSinger,
    HaggardDancer,
};

inline constexpr int EndingCount = static_cast<int>(EndingId::HaggardDancer) + 1;

// Which endings have been reached, by number.
using ClearedEndings = std::array<bool, EndingCount>;

constexpr int number(EndingId id) { return static_cast<int>(id); }

// Everything the game knows of one ending.
struct Ending {
    Text title;  // the caption of its item in the ending menu
    // What its pictures show, as a screen reader names them.
    Text spokenName;
    // The two frames the animation alternates while its story is told.
    std::array<Picture, 2> pictures;
    // The story's pages, "{pet}" and "{owner}" standing for the names; the
    // click after the last one starts a new game.
    std::span<const Text> story;
};

const Ending& ending(EndingId id);
// n is 0..EndingCount-1.
const Ending& ending(int n);

// The ending whose picture pair holds this picture, if any.
std::optional<EndingId> endingShowing(Picture picture);

}  // namespace mokopi::game
