// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/rgb.h"
#include "game/text.h"

namespace mokopi::game {

// Everything the redraw puts on screen: the hour, the day, the status panel
// and the fatigue bar (its width in units of the 255-wide speech panel), with
// the captions the labels show.
struct StatusView {
    std::int16_t hour = 0;
    std::uint8_t day = 0;
    std::array<std::int16_t, 4> status{};
    Rgb panelBackground;
    Rgb panelText;
    int fatigueBarWidth = 0;
    std::string hourCaption;
    std::string dayCaption;
    // Song, dance and fatigue on three lines; affection is never shown as a number.
    std::string statusCaption;
    friend bool operator==(const StatusView&, const StatusView&) = default;
};

// The redraw of these values, the panel in these colours, its words in the
// language `inLanguage` gives.
StatusView statusView(std::int16_t hour, std::uint8_t day, const std::array<std::int16_t, 4>& status,
                      Rgb panelBackground, Rgb panelText, Translate inLanguage = japanese);

struct PanelColours {
    Rgb background;
    Rgb text;
};

// The tint of the status panel, or nothing while song, dance or affection is
// outside 0..255 (the panel then keeps its colours).
std::optional<PanelColours> panelColours(const std::array<std::int16_t, 4>& status);

}  // namespace mokopi::game
