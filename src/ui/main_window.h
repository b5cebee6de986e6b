// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "game/outside.h"
#include "game/random.h"
#include "ui/app_folders.h"
#include "ui/grid_layout.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QLabel;
class QPushButton;
class QTimer;

namespace mokopi {
class Game;
class PictureFileError;
class PictureStore;
class SoundBank;
}  // namespace mokopi

namespace mokopi::ui {

class Dialogs;
class PetPicture;
class SpeechPanel;

struct WindowOptions {
    // Where the pictures, sounds and icon are read, and the save file kept.
    AppFolders folders;
    // The screen height the layout is computed from; 0 means the primary
    // screen's.
    int screenHeightPixels = 0;
    // How the program ends (exit status); by default the event loop's exit.
    std::function<void(int)> endProgram;
    // Where scaled pictures are kept between runs; empty means the user's
    // cache folder.
    QString pictureCache;
};

// Exit status after a picture file could not be read.
inline constexpr int MissingPictureExitCode = 2;

// The game's one window `Fom`. It keeps no game state: it turns clicks,
// presses, timer ticks and menu commands into calls on the game and shows
// what the game tells it through the Outside interface.
class MainWindow final : public QMainWindow, public Outside {
public:
    // The constructor is the game's start-up (Form_Load). random: the game's
    // generator; null means one seeded from the clock.
    MainWindow(Dialogs& dialogs, std::unique_ptr<Random> random, WindowOptions options = {});
    ~MainWindow() override;

    Game& game() { return *game_; }
    const WindowLayout& layout() const { return layout_; }
    const SoundBank& sounds() const { return *sounds_; }
    // True once the first game has begun.
    bool isRunning() const { return running_; }
    bool hasStopped() const { return stopped_; }

    // The start of the first game: checks that every picture file is there
    // and begins the game with its title. Runs once, right after the window
    // is first shown, waiting for nothing else; later calls do nothing.
    void Form_Activate();

    // Outside.
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

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyLayout(int screenHeightPixels, const Decorations& decorations);
    Decorations estimatedDecorations() const;
    void correctForWindowFrame();
    void centreOnScreen();

    // Runs a handler of the game. A picture file that fails on the way stops
    // the program; after that no handler runs any more.
    template <typename F> void call(F&& handler);
    void stopOnPictureError(const PictureFileError& error);
    // Puts a stored picture, or the title when none, in the pet area at its
    // size and the screen's pixel ratio.
    void showPetPicture(std::optional<Picture> picture);
    // Stops the timers and releases the sounds: no game handler runs after.
    void halt();
    void endProgram(int exitCode);
    void showHelp();

    Dialogs& dialogs_;
    WindowOptions options_;
    AppFolders folders_;
    WindowLayout layout_;
    Decorations decorations_;
    int screenHeightPixels_ = 0;
    bool activated_ = false;
    // What the pet area shows, to draw again when the window is laid out
    // anew: a stored picture, or the title when empty.
    std::optional<Picture> petShows_;
    bool frameMeasured_ = false;
    bool running_ = false;
    bool stopped_ = false;

    std::unique_ptr<Random> random_;
    std::unique_ptr<SoundBank> sounds_;
    std::unique_ptr<PictureStore> store_;
    std::unique_ptr<Game> game_;

    QWidget* client_ = nullptr;
    PetPicture* img_ = nullptr;
    SpeechPanel* pic_ = nullptr;
    QWidget* picStr_ = nullptr;
    QLabel* lblStr_ = nullptr;
    QPushButton* com_ = nullptr;
    std::array<QPushButton*, 3> opt_{};
    QButtonGroup* optGroup_ = nullptr;
    QLabel* lblDay_ = nullptr;
    QLabel* lblTimDay_ = nullptr;
    QTimer* tim_ = nullptr;
    QTimer* timAnm_ = nullptr;
    QTimer* timSya_ = nullptr;

    QAction* mnuBGM_ = nullptr;
    QAction* mnuMODE_ = nullptr;
    QAction* mnuIVENT_ = nullptr;
    std::array<QAction*, 9> mnuEnding_{};
};

}  // namespace mokopi::ui
