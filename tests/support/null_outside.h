#pragma once

#include "core/outside.h"

namespace mokopi::testing {

// Discards everything and cancels every box: for benchmarks and soak tests.
class NullOutside final : public Outside {
public:
    void showPicture(Picture) override {}
    void showTitlePicture() override {}
    void setSpeech(const std::string&) override {}
    void setSpeechMarks(Rgb, const std::string&) override {}
    void showStatus(const StatusView&) override {}
    void setClock(bool, int) override {}
    void selectCommand(int) override {}
    void showSwitches(bool, bool, bool) override {}
    void showClearedEndings(const std::array<bool, 9>&) override {}
    void playSound(int) override {}
    std::string askText(const std::string&, const std::string&) override { return {}; }
    void tell(const std::string&) override {}
    bool askYesNo(const std::string&) override { return false; }
};

}  // namespace mokopi::testing
