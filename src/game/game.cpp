// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game.h"

#include "game/animation.h"
#include "game/ending_decision.h"
#include "game/scene_names.h"

namespace mokopi::game {

void Game::Form_Load()
{
    s_.Command = RestCommand;
    out_.selectCommand(RestCommand);
    s_.clockIntervalMs = NormalClockMs;
    out_.setClock(s_.clockRunning, s_.clockIntervalMs);
    s_.superFast = false;
    s_.soundOn = true;
    out_.showSwitches(s_.soundOn, s_.superFast, s_.eventsOn);
    s_.EndingCleared.fill(false);
    out_.showClearedEndings(s_.EndingCleared);
}

void Game::Opening()
{
    setClockRunning(false);
    s_.SceneRunning = false;
    s_.Status = {};
    s_.Day = 0;
    s_.Hour = 0;
    Hyouji();
    showSpeech({});
    out_.showTitlePicture();
    IventStt(scene::Title);
}

void Game::EndingEnd()
{
    s_.GameStarted = false;
    Opening();
}

void Game::EndingStt()
{
    const int n = number(decideEnding(s_.Status));
    s_.EndingCleared[n] = true;
    out_.showClearedEndings(s_.EndingCleared);
    IventStt(SceneValue::ending(static_cast<std::int16_t>(n)));
}

void Game::mnuEnding_Click(int ending)
{
    if (ending < 0 || ending >= EndingCount || !s_.EndingCleared[ending])
        return;
    if (!out_.askYesNo(translate_(MOKOPI_TR("Game boxes", "エンディングを回想して終了します"))))
        return;
    IventStt(SceneValue::ending(static_cast<std::int16_t>(ending)));
}

void Game::mnuMODE_Click()
{
    s_.superFast = !s_.superFast;
    s_.clockIntervalMs = s_.superFast ? SuperFastClockMs : NormalClockMs;
    out_.setClock(s_.clockRunning, s_.clockIntervalMs);
    out_.showSwitches(s_.soundOn, s_.superFast, s_.eventsOn);
}

void Game::mnuIVENT_Click()
{
    s_.eventsOn = !s_.eventsOn;
    out_.showSwitches(s_.soundOn, s_.superFast, s_.eventsOn);
}

void Game::mnuBGM_Click()
{
    s_.soundOn = !s_.soundOn;
    out_.showSwitches(s_.soundOn, s_.superFast, s_.eventsOn);
}

void Game::showTextsAgain()
{
    setSpeechMarks(speechColour_, clickHint_);
    showSpeech(speech_);
    Hyouji();
}

void Game::TimAnm_Timer()
{
    s_.AnimFrame = static_cast<std::uint8_t>(s_.AnimFrame % 2 + 1);
    if (const auto picture = animationPicture(s_.Scene, s_.Status, s_.AnimFrame - 1))
        out_.showPicture(*picture);
}

void Game::SePlay(int sound)
{
    if (s_.soundOn)
        out_.playSound(sound);
}

void Game::Hyouji()
{
    if (const auto colours = panelColours(s_.Status)) {
        s_.panelBackground = colours->background;
        s_.panelText = colours->text;
    }
    out_.showStatus(statusView(s_.Hour, s_.Day, s_.Status, s_.panelBackground, s_.panelText, translate_));
}

SaveRecord Game::saveRecord() const
{
    return SaveRecord{s_.OwnerName, s_.PetName, s_.Status, s_.Hour, s_.Day, s_.EndingCleared, s_.GameStarted};
}

void Game::load(const SaveRecord& record)
{
    IventEnd();
    s_.OwnerName = record.OwnerName;
    s_.PetName = record.PetName;
    s_.Status = record.Status;
    s_.Hour = record.Hour;
    s_.Day = record.Day;
    s_.EndingCleared = record.EndingCleared;
    s_.GameStarted = record.GameStarted;
    out_.showClearedEndings(s_.EndingCleared);
    Hyouji();
    out_.tell(translate_(MOKOPI_TR("Game boxes", "ロードしました")));
    if (!s_.GameStarted)
        IventStt(scene::Naming);
}

void Game::setClockRunning(bool running)
{
    s_.clockRunning = running;
    out_.setClock(s_.clockRunning, s_.clockIntervalMs);
}

}  // namespace mokopi::game
