#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/outside.h"

namespace mokopi::testing {

// Keeps what the game last put on screen, every sound it played and every
// box it showed; answers boxes from queues the test fills.
class RecordingOutside final : public Outside {
public:
    void showPicture(Picture picture) override;
    void showTitlePicture() override;
    void setSpeech(const std::string& text) override;
    void setSpeechMarks(Rgb textColour, const std::string& clickHint) override;
    void showStatus(const StatusView& view) override;
    void setClock(bool running, int intervalMs) override;
    void selectCommand(int command) override;
    void showSwitches(bool soundOn, bool superFast, bool eventsOn) override;
    void showClearedEndings(const std::array<bool, 9>& cleared) override;
    void playSound(int sound) override;
    std::string askText(const std::string& title, const std::string& prompt) override;
    void tell(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

    // What is on screen now. titleShown is true while the title picture, not
    // a stored one, is in the pet picture.
    std::optional<Picture> picture;
    bool titleShown = false;
    std::string speech;
    Rgb speechColour;
    std::string clickHint;
    StatusView status;
    int statusRedraws = 0;
    bool clockRunning = false;
    int clockIntervalMs = 0;
    int selectedCommand = -1;
    bool soundOn = false, superFast = false, eventsOn = false;
    std::array<bool, 9> clearedEndings{};

    // Everything heard and asked, in order.
    std::vector<int> sounds;
    std::vector<std::string> pictureLog;  // file names, "stt.bmp" for the title
    std::vector<std::string> questions;   // title + "|" + prompt of each input box
    std::vector<std::string> messages;    // texts of OK boxes
    std::vector<std::string> confirmations;

    // Answers for the boxes; an empty queue answers "" (cancel) and No.
    std::deque<std::string> textAnswers;
    std::deque<bool> yesNoAnswers;
};

}  // namespace mokopi::testing
