// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game/outside.h"

namespace mokopi::testing {

using namespace game;

// Keeps what the game last put on screen, every sound it played and every
// box it showed; answers boxes from queues the test fills.
class RecordingOutside final : public Outside {
public:
    void showPicture(Picture p) override
    {
        picture = p;
        titleShown = false;
        pictureLog.emplace_back(fileName(p));
    }
    void showTitlePicture() override
    {
        picture.reset();
        titleShown = true;
        pictureLog.emplace_back(TitlePictureFile);
    }
    void setSpeech(const std::string& text) override { speech = text; }
    void setSpeechMarks(Rgb colour, const std::string& hint) override
    {
        speechColour = colour;
        clickHint = hint;
    }
    void showStatus(const StatusView& view) override { status = view; }
    void setClock(bool running, int ms) override
    {
        clockRunning = running;
        clockIntervalMs = ms;
    }
    void selectCommand(int command) override { selectedCommand = command; }
    void showSwitches(bool on, bool fast, bool events) override
    {
        soundOn = on;
        superFast = fast;
        eventsOn = events;
    }
    void showClearedEndings(const std::array<bool, 9>& cleared) override { clearedEndings = cleared; }
    void playSound(int sound) override { sounds.push_back(sound); }
    void tell(const std::string& text) override { messages.push_back(text); }
    std::string askText(const std::string& title, const std::string& prompt) override
    {
        questions.push_back(title + "|" + prompt);
        return next(textAnswers, std::string());
    }
    bool askYesNo(const std::string& text) override { return confirmations.push_back(text), next(yesNoAnswers, false); }

    // What is on screen now; titleShown while the title picture, not a stored one, shows.
    std::optional<Picture> picture;
    bool titleShown = false;
    std::string speech, clickHint;
    Rgb speechColour;
    StatusView status;
    bool clockRunning = false;
    int clockIntervalMs = 0, selectedCommand = -1;
    bool soundOn = false, superFast = true, eventsOn = false;  // the opposite of a game after start-up
    std::array<bool, 9> clearedEndings{};

    // Everything heard and asked, in order: sounds, picture file names ("stt.bmp" for the title),
    // title + "|" + prompt of each input box, texts of OK boxes and of Yes/No boxes.
    std::vector<int> sounds;
    std::vector<std::string> pictureLog, questions, messages, confirmations;

    // Answers for the boxes; an empty queue answers "" (cancel) and No.
    std::deque<std::string> textAnswers;
    std::deque<bool> yesNoAnswers;

private:
    template <typename T> static T next(std::deque<T>& answers, T none)
    {
        if (answers.empty())
            return none;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace mokopi::testing
