#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/app_folder.h"
#include "support/child_process.h"
#include "support/picture_catalogue.h"
#include "support/player_input.h"
#include "support/virtual_screen.h"

namespace mokopi::e2e {

// The three menus of the menu bar, left to right, and their items as the
// keyboard reaches them (separators are skipped).
enum class Menu { Main = 0, Options = 1, Endings = 2 };
enum class MainItem { Save = 1, Load = 2, Quit = 3 };
enum class OptionItem { Sound = 1, SuperFast = 2, Events = 3 };

// The built game running from an application folder on a virtual screen,
// driven the way a player drives it: clicks and keys on what is on screen.
// Places come from the window's own 10 x 10 grid below its menu bar, found
// on the screen; outcomes are read back as pixels.
class RunningGame {
public:
    RunningGame(VirtualScreen& screen, const AppFolder& folder, const std::vector<std::string>& environment = {});
    ~RunningGame();

    // Waits for the game's window and finds its grid.
    void waitForWindow();

    // A rectangle of the grid, in screen pixels (left, top, width, height in cells).
    QRect cell(double left, double top, double width, double height) const;
    QRect petArea() const { return cell(0, 0, 8, 8); }
    QRect commandButton(int command) const { return cell(8, command, 2, 1); }
    QRect helpButton() const { return cell(8, 3, 2, 1); }
    QRect hourLabel() const { return cell(8, 4, 1, 1); }
    QRect statusPanel() const { return cell(8, 5, 2, 3); }
    QRect speechPanel() const { return cell(0, 8, 10, 2); }

    // The player's hands. Clicks leave the pointer on a spot with no tool tip.
    void clickSpeech(int button = 1);
    // Clicks the speech line and waits for the text to change.
    void turnPage();
    void pet();
    void chooseCommand(int command);
    void pressHelp();
    // Opens a menu with a click on its title and picks its n-th item
    // (counting from 1; separators and disabled items do not count) with
    // the keyboard.
    void chooseMenuItem(Menu menu, int item);
    void choose(MainItem item) { chooseMenuItem(Menu::Main, static_cast<int>(item)); }
    void choose(OptionItem item) { chooseMenuItem(Menu::Options, static_cast<int>(item)); }
    // Its boxes: waits for one with the title, answers it with a key and waits until it has gone.
    ScreenWindow waitForBox(const std::string& title);
    std::optional<ScreenWindow> findBox(const std::string& title) const;
    // Clicks the speech line, page after page, until a box with the title opens.
    ScreenWindow clickSpeechUntilBox(const std::string& title);
    void answerBox(const ScreenWindow& box, const std::string& key = "Return");
    void typeIntoBox(const ScreenWindow& box, const std::string& text);
    std::vector<ScreenWindow> boxes() const;

    // What the player sees.
    QImage grab(const QRect& area) const { return screen_.grab(area); }
    // The picture file the pet area shows.
    std::string picture() const;
    void waitForPicture(const std::string& what, const std::vector<std::string>& files);
    // The status panel's background: red affection, green dance, blue song.
    QColor statusColour() const;
    // The fatigue bar's length in points of fatigue (the panel is 255 wide).
    int fatigueShown() const;
    // The command button that looks pressed, or -1 when none clearly does.
    int pressedCommand() const;

    // The program.
    std::optional<int> waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(20));
    bool isRunning() { return process_.isRunning(); }

private:
    void restPointer() const;
    std::optional<ScreenWindow> openMenu() const;
    QPoint menuTitle(Menu menu) const;

    VirtualScreen& screen_;
    PlayerInput input_;
    std::filesystem::path folder_;
    mutable std::unique_ptr<PictureCatalogue> pictures_;  // read at the first question
    TemporaryFolder runtime_;  // the program's XDG_RUNTIME_DIR and its log
    ChildProcess process_;
    ScreenWindow window_;
    int menuBarHeight_ = 0;
};

}  // namespace mokopi::e2e
