// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/status_display.h"

namespace mokopi::game {

StatusView statusView(std::int16_t hour, std::uint8_t day, const std::array<std::int16_t, 4>& status,
                      Rgb panelBackground, Rgb panelText, Translate inLanguage)
{
    //: A label of the status panel, with the spacing that parts it from its number.
    const std::string song = inLanguage(MOKOPI_TR("Status panel", "歌詩　　"));
    const std::string dance = inLanguage(MOKOPI_TR("Status panel", "舞踊　　"));
    const std::string fatigue = inLanguage(MOKOPI_TR("Status panel", "疲労　　"));
    return StatusView{
        hour,
        day,
        status,
        panelBackground,
        panelText,
        status[2],
        std::to_string(hour),
        std::to_string(day),
        song + std::to_string(status[0]) + "\r\n" + dance + std::to_string(status[1]) + "\r\n" + fatigue
            + std::to_string(status[2]),
    };
}

std::optional<PanelColours> panelColours(const std::array<std::int16_t, 4>& status)
{
    const int song = status[0], dance = status[1], affection = status[3];
    auto inRange = [](int v) { return v >= 0 && v <= 255; };
    if (!inRange(song) || !inRange(dance) || !inRange(affection))
        return std::nullopt;
    return PanelColours{Rgb{affection, dance, song}, Rgb{255 - affection, 255, 255 - song}};
}

}  // namespace mokopi::game
