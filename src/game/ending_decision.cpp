// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/ending_decision.h"

namespace mokopi::game {

EndingId decideEnding(const std::array<std::int16_t, 4>& status)
{
    const int song = status[0], dance = status[1], fatigue = status[2], affection = status[3];

    // Fatigue up to 150 still allows the two love endings, while 150 already
    // wears the singer and the dancer out: the limits overlap on purpose.
    if (song >= 200 && dance >= 200 && affection >= 200 && fatigue <= 150)
        return EndingId::RoyalLover;
    if (affection >= song && affection >= dance && affection >= 200 && fatigue <= 150)
        return EndingId::Lovers;
    if (song >= dance && song >= affection && song >= 200) {
        if (fatigue >= 150)
            return EndingId::HaggardSinger;
        return affection >= 150 ? EndingId::LovingSinger : EndingId::Singer;
    }
    if (dance >= song && dance >= affection && dance >= 200) {
        if (fatigue >= 150)
            return EndingId::HaggardDancer;
        return affection >= 150 ? EndingId::LovingDancer : EndingId::Dancer;
    }
    return EndingId::OrdinaryLife;
}

}  // namespace mokopi::game
