// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "game/endings.h"
#include "game/picture_id.h"
#include "game/rgb.h"
#include "game/status_display.h"

namespace mokopi::game {

// Everything the player sees or hears leaves the game through here. The
// window implements it; tests record it. Texts are UTF-8, line breaks CR LF.
class Outside {
public:
    virtual ~Outside() = default;

    // The pet picture: a stored picture, or the title picture read from its file.
    virtual void showPicture(Picture picture) = 0;
    virtual void showTitlePicture() = 0;

    // The speech line, its text colour and the click hint under it.
    virtual void setSpeech(const std::string& text) = 0;
    virtual void setSpeechMarks(Rgb textColour, const std::string& clickHint) = 0;

    virtual void showStatus(const StatusView& view) = 0;

    // The clock timer: whether it ticks and how often.
    virtual void setClock(bool running, int intervalMs) = 0;
    virtual void selectCommand(int command) = 0;

    // The menu mirrors the switches and the cleared endings the game holds.
    virtual void showSwitches(bool soundOn, bool superFast, bool eventsOn) = 0;
    virtual void showClearedEndings(const ClearedEndings& cleared) = 0;

    virtual void playSound(int sound) = 0;

    // Modal boxes titled with the game's name. askText returns "" on cancel.
    virtual std::string askText(const std::string& title, const std::string& prompt) = 0;
    virtual void tell(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text) = 0;
};

}  // namespace mokopi::game
