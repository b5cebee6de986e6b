// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/picture_id.h"
#include "game/scene_value.h"

namespace mokopi::game {

// The picture for animation frame f (0 or 1): the ending's pair during an
// ending, the pair that fits the values while no scene or the naming scene
// runs, and nothing (leave the picture alone) during any other scene.
std::optional<Picture> animationPicture(const SceneValue& scene, const std::array<std::int16_t, 4>& status, int frame);

}  // namespace mokopi::game
