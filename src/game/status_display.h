// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/rgb.h"

namespace mokopi {

// Everything the redraw puts on screen: the hour, the day, the status panel
// and the fatigue bar (its width in units of the 255-wide speech panel).
struct StatusView {
    std::int16_t hour = 0;
    std::uint8_t day = 0;
    std::array<std::int16_t, 4> status{};
    Rgb panelBackground;
    Rgb panelText;
    int fatigueBarWidth = 0;
    friend bool operator==(const StatusView&, const StatusView&) = default;
};

std::string hourCaption(const StatusView& view);
std::string dayCaption(const StatusView& view);
// Song, dance and fatigue on three lines; affection is never shown as a number.
std::string statusCaption(const StatusView& view);

struct PanelColours {
    Rgb background;
    Rgb text;
};

// The tint of the status panel, or nothing while song, dance or affection is
// outside 0..255 (the panel then keeps its colours).
std::optional<PanelColours> panelColours(const std::array<std::int16_t, 4>& status);

}  // namespace mokopi
