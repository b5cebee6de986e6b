// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/animation.h"

#include "game/endings.h"

namespace mokopi::game {

namespace {

Picture everydayPair(const std::array<std::int16_t, 4>& status)
{
    const int song = status[0], dance = status[1], fatigue = status[2], affection = status[3];
    if (fatigue >= 200)
        return Picture::h0;
    if (song >= dance && song >= affection && song >= 100)
        return Picture::u0;
    if (dance >= affection && dance >= song && dance >= 100)
        return Picture::o0;
    if (affection >= dance && affection >= song && affection >= 100)
        return Picture::l0;
    return Picture::t0;
}

}  // namespace

std::optional<Picture> animationPicture(const SceneValue& scene, const std::array<std::int16_t, 4>& status, int frame)
{
    if (const auto ending = scene.endingNumber()) {
        if (*ending < 0 || *ending >= EndingCount)
            return std::nullopt;
        return game::ending(*ending).pictures[frame];
    }
    const std::string* name = scene.name();
    if (scene.isNone() || (name && *name == "open"))
        return pictureAt(index(everydayPair(status)) + frame);
    return std::nullopt;
}

}  // namespace mokopi::game
