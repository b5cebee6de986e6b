// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "game/outside.h"
#include "game/random.h"
#include "ui/app_folders.h"

class QTimer;

namespace mokopi::game {
class Game;
}

namespace mokopi::media {
class PictureFileError;
class PictureStore;
class Sounds;
}  // namespace mokopi::media

namespace mokopi::ui {

class Dialogs;
class MainWindow;

struct SessionOptions {
    // Where the pictures, sounds and icon are read, and the save file kept.
    AppFolders folders;
    // How the program ends (exit status); by default the event loop's exit.
    std::function<void(int)> endProgram;
    // Where scaled pictures are kept between runs; empty means the user's
    // cache folder.
    QString pictureCache;
};

// The pictures of a run with options, its title already being decoded: made
// before the window, they read the title's file while the window is built.
std::unique_ptr<media::PictureStore> openPictures(const SessionOptions& options);

// Exit status after a picture file could not be read.
inline constexpr int MissingPictureExitCode = 2;

// One run of the game in its window. It owns the game, its random source,
// sounds, pictures and three timers; it turns what the player does in the
// window into calls on the game, and shows what the game tells it through
// Outside. A picture file that fails on the way stops the program: no
// handler runs after that.
class GameSession final : public QObject, public game::Outside {
public:
    // The game's start-up (Form_Load). random: the game's generator; null
    // means one seeded from the clock. pictures: from openPictures(options),
    // else opened here.
    GameSession(MainWindow& window, Dialogs& dialogs, std::unique_ptr<game::Random> random,
                SessionOptions options = {});
    GameSession(MainWindow& window, Dialogs& dialogs, std::unique_ptr<game::Random> random, SessionOptions options,
                std::unique_ptr<media::PictureStore> pictures);
    ~GameSession() override;

    game::Game& game() { return *game_; }
    // Whether the sounds are there to play: opened once the player first
    // clicks the speech line, or by the first sound asked for before that.
    bool soundsOpen() const;
    // True once the first game has begun, until the program stops.
    bool isRunning() const { return running_; }

    // The start of the first game: checks that every picture file is there
    // and begins the game with its title. The window asks for it once it is
    // first shown; later calls do nothing.
    void Form_Activate();

    // Outside.
    void showPicture(game::Picture picture) override;
    void showTitlePicture() override;
    void setSpeech(const std::string& text) override;
    void setSpeechMarks(game::Rgb textColour, const std::string& clickHint) override;
    void showStatus(const game::StatusView& view) override;
    void setClock(bool running, int intervalMs) override;
    void selectCommand(int command) override;
    void showSwitches(bool soundOn, bool superFast, bool eventsOn) override;
    void showClearedEndings(const game::ClearedEndings& cleared) override;
    void playSound(int sound) override;
    std::string askText(const std::string& title, const std::string& prompt) override;
    void tell(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    void connectWindow();
    QTimer* addTimer(const char* name, void (game::Game::*tick)());
    // Runs a handler of the game, unless the program has stopped.
    template <typename F> void call(F&& handler);
    void stopOnPictureError(const media::PictureFileError& error);
    // Puts a stored picture, or the title when none, in the pet area at its
    // size and the screen's pixel ratio.
    void showPetPicture(std::optional<game::Picture> picture);
    // Stops the timers and releases the sounds: no game handler runs after.
    void halt();
    void endProgram(int exitCode);
    void showHelp();
    media::Sounds& sounds();

    MainWindow& window_;
    Dialogs& dialogs_;
    SessionOptions options_;
    bool activated_ = false;
    bool running_ = false;
    bool stopped_ = false;
    // What the pet area shows, to draw again when the window is laid out
    // anew: a stored picture, or the title when empty.
    std::optional<game::Picture> petShows_;

    std::unique_ptr<game::Random> random_;
    std::unique_ptr<media::Sounds> sounds_;
    std::unique_ptr<media::PictureStore> pictures_;
    std::unique_ptr<game::Game> game_;
    QTimer* clock_ = nullptr;
    QTimer* animation_ = nullptr;
    QTimer* chatter_ = nullptr;
};

}  // namespace mokopi::ui
