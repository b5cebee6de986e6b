// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/endings.h"

namespace mokopi::game {

// What the save file carries across runs, one field per field of the file.
struct SaveRecord {
    std::string OwnerName;
    std::string PetName;
    std::array<std::int16_t, 4> Status{};  // index order: song, dance, fatigue, affection
    std::int16_t Hour = 0;
    std::uint8_t Day = 0;
    ClearedEndings EndingCleared{};
    bool GameStarted = false;

    friend bool operator==(const SaveRecord&, const SaveRecord&) = default;
};

}  // namespace mokopi::game
