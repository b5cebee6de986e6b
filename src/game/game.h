// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/endings.h"
#include "game/outside.h"
#include "game/random.h"
#include "game/rgb.h"
#include "game/save_record.h"
#include "game/scene_value.h"
#include "game/script.h"
#include "game/text.h"

namespace mokopi::game {

// The game's three timers: the clock (one game hour a tick, faster in the
// super-fast mode), the pet's animation and its chatter.
inline constexpr int NormalClockMs = 500;
inline constexpr int SuperFastClockMs = 100;
inline constexpr int AnimationTickMs = 100;
inline constexpr int ChatterTickMs = 1000;

enum Value : std::uint8_t { Song = 0, Dance = 1, Fatigue = 2, Affection = 3 };
enum CommandId : std::uint8_t { SongCommand = 0, DanceCommand = 1, RestCommand = 2 };

// The whole state of one run. The window keeps none of its own: the cleared
// endings and the three menu switches live here too and the menu mirrors them.
struct GameState {
    std::array<std::int16_t, 4> Status{};
    std::string PetName;
    std::string OwnerName;
    std::uint8_t Command = 0;
    std::uint8_t Day = 0;
    std::int16_t Hour = 0;
    bool SceneRunning = false;
    SceneValue Scene;
    std::uint8_t Page = 0;
    std::uint8_t ClickButton = 0;
    std::uint8_t AnimFrame = 0;
    bool GameStarted = false;

    ClearedEndings EndingCleared{};  // mnuEnding(i) enabled
    bool soundOn = true;             // mnuBGM checked
    bool superFast = true;           // mnuMODE checked (start-up clears it)
    bool eventsOn = true;            // mnuIVENT checked
    bool clockRunning = false;       // Tim enabled
    int clockIntervalMs = 0;         // Tim interval

    Rgb panelBackground{0, 0, 0};  // PicStr
    Rgb panelText{0, 0, 0};        // LblStr
};

// The characters of a name that the save file could not keep, each listed
// once; empty for a name that saves. The save file's encoding is not the
// game's business, so whoever builds the game hands this in.
using UnsavableCharacters = std::vector<std::string> (*)(std::string_view name);

class Game {
public:
    // inLanguage: what the player reads for each text of the game; the
    // Japanese by default.
    Game(Outside& outside, Random& random, UnsavableCharacters unsavable, Translate inLanguage = japanese)
        : out_(outside), rnd_(random), unsavable_(unsavable), translate_(inLanguage)
    {}

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }

    // Start-up and new game.
    void Form_Load();
    void Opening();
    void EndingEnd();

    // Timers.
    void Tim_Timer();
    void TimAnm_Timer();
    void TimSya_Timer();

    // Player input.
    void Opt_Click(int command);
    void IMG_MouseDown();
    void Lbl_MouseDown(std::uint8_t button);
    void Lbl_Click();

    // Menu.
    void mnuEnding_Click(int ending);
    void mnuMODE_Click();
    void mnuIVENT_Click();
    void mnuBGM_Click();

    // The language has changed: the speech line, its click hint and the
    // status panel say again what they said, in the new language.
    void showTextsAgain();

    // Save and load. The caller has read and checked the file whole.
    SaveRecord saveRecord() const;
    void load(const SaveRecord& record);

    // The rules the handlers are built of.
    void HourTick();
    void StatusAdd(int index, int delta);
    void Hyouji();
    void SePlay(int sound);
    void IventStt(SceneValue scene);
    void IventEnd();
    void EndingStt();

private:
    bool startEventOfTheHour();
    void setClockRunning(bool running);
    void showSpeech(Text textTemplate);
    void setSpeechMarks(Rgb textColour, Text clickHint);
    void runStep(const Step& step);
    void show(const Reaction& reaction);
    void finish(Finish how);
    std::string askName(const NameQuestion& question);

    Outside& out_;
    Random& rnd_;
    UnsavableCharacters unsavable_;
    Translate translate_;
    GameState s_;
    // What the speech line and its click hint show, to say again in another language.
    Text speech_;
    Rgb speechColour_;
    Text clickHint_;
};

}  // namespace mokopi::game
