#pragma once

#include <array>
#include <cstdint>

namespace mokopi {

// The ending (0..8) the pet's values lead to: song, dance, fatigue, affection.
int decideEnding(const std::array<std::int16_t, 4>& status);

}  // namespace mokopi
