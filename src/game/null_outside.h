// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/outside.h"

namespace mokopi::game {

// An outside with nothing behind it, for plays without a window: it shows
// nothing, cancels every name box and gives one fixed answer to every
// question.
class NullOutside final : public Outside {
public:
    explicit NullOutside(bool answerYes = false) : answerYes_(answerYes) {}

    void showPicture(Picture) override {}
    void showTitlePicture() override {}
    void setSpeech(const std::string&) override {}
    void setSpeechMarks(Rgb, const std::string&) override {}
    void showStatus(const StatusView&) override {}
    void setClock(bool, int) override {}
    void selectCommand(int) override {}
    void showSwitches(bool, bool, bool) override {}
    void showClearedEndings(const ClearedEndings&) override {}
    void playSound(int) override {}
    std::string askText(const std::string&, const std::string&) override { return {}; }
    void tell(const std::string&) override {}
    bool askYesNo(const std::string&) override { return answerYes_; }

private:
    bool answerYes_;
};

}  // namespace mokopi::game
