// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "support/picture_likeness.h"
#include "support/program.h"
#include "support/saved_game.h"
#include "support/virtual_screen.h"
#include "support/wait.h"

namespace mokopi::e2e {

// How the player plays: with the mouse (and menus by keyboard), or with keys
// alone, the pointer resting off the window.
enum class Hands { Mouse, KeysOnly };

// The menus of the menu bar, left to right, and their items as the keyboard
// reaches them (counting from 1; separators and disabled items do not count).
enum class Menu { Main = 0, Options = 1, Endings = 2 };
enum class MainItem { Save = 1, Load = 2, Quit = 3 };
enum class OptionItem { Sound = 1, SuperFast = 2, Events = 3 };

// The built game on a virtual screen of the test's own, from a fresh copy of
// the application folder (the build names it in MOKOPI_APP_DIR), so that it
// starts with no save file and the test may break files. It is driven the
// way a player drives it: places come from the window's own 10 x 10 grid
// below its menu bar, found on the screen, and outcomes are read back as
// pixels and from the save file.
class GameOnScreenTest : public ::testing::Test {
protected:
    GameOnScreenTest()
    {
        copyBuiltGame(folder_.path());
        std::filesystem::remove(saveFile().toStdString());
    }
    ~GameOnScreenTest() override
    {
        game_.reset();
        QFile log(run_.filePath("mokopi.log"));
        if (HasFailure() && log.open(QIODevice::ReadOnly))
            std::cerr << "--- what the game printed:\n" << log.readAll().toStdString() << "---\n";
    }

    QString appFile(const QString& name) const { return folder_.filePath(name); }
    QString saveFile() const { return appFile("mokopi.dat"); }
    QString pictureCache() const { return run_.filePath("cache/mokopi/pictures"); }

    // Starts the game, again if it ran before. The run folder holds its
    // XDG_RUNTIME_DIR, picture cache, settings and log. No sound server unless the test
    // brings one: the game must never play into a server someone else listens
    // to. No session bus either: Qt would have one started for it (D-Bus
    // autolaunch), which outlives the game.
    void start(Hands hands = Hands::Mouse, const QString& soundServer = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", screen_.name());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        environment.insert("XDG_RUNTIME_DIR", run_.path());
        environment.insert("XDG_CACHE_HOME", run_.filePath("cache"));
        environment.insert("XDG_CONFIG_HOME", run_.filePath("config"));
        environment.insert("PULSE_SERVER", soundServer.isEmpty() ? "unix:" + run_.filePath("none") : soundServer);
        hands_ = hands;
        screen_.xdotool({"mousemove", "0", "0"});  // off the window: no tool tip
        game_ = startProgram(appFile("mokopi"), {}, environment, run_.filePath("mokopi.log"));
    }
    // Starts the game and waits for its window; finds the grid and gives the
    // window the input focus.
    void launch(Hands hands = Hands::Mouse, const QString& soundServer = {})
    {
        start(hands, soundServer);
        waitUntil("the game's window", [this] {
            for (const ScreenWindow& w : screen_.windows())
                if (!w.isBox && !w.isMenu)
                    return window_ = w, true;
            return false;
        });
        // The menu bar is grey; the first coloured row below it in the right
        // column is the top of the first command button, the grid's first row.
        waitUntil("the window to be painted", [this] {
            const QRect& w = window_.geometry;
            const QImage column = screen_.grab(QRect(w.right() - 5, w.top(), 1, w.height() / 4));
            for (int y = 0; y < column.height(); ++y)
                if (QColor(column.pixel(0, y)).saturation() > 24)
                    return menuBarHeight_ = y, y > 5;
            return false;
        });
        focus(window_.id);
    }

    // A rectangle of the grid in screen pixels (left, top, width, height in cells).
    QRect cell(double left, double top, double width, double height) const
    {
        const QRect& w = window_.geometry;
        const double cellWidth = w.width() / 10.0, cellHeight = (w.height() - menuBarHeight_) / 10.0;
        const auto pixels = [](double cells, double size) { return static_cast<int>(std::lround(cells * size)); };
        return QRect(w.x() + pixels(left, cellWidth), w.y() + menuBarHeight_ + pixels(top, cellHeight),
                     pixels(width, cellWidth), pixels(height, cellHeight));
    }
    QRect petArea() const { return cell(0, 0, 8, 8); }
    QRect commandButton(int command) const { return cell(8, command, 2, 1); }
    QRect helpButton() const { return cell(8, 3, 2, 1); }
    QRect hourLabel() const { return cell(8, 4, 1, 1); }
    QRect statusPanel() const { return cell(8, 5, 2, 3); }
    QRect speechPanel() const { return cell(0, 8, 10, 2); }

    // The player's hands: a click, or with keys alone the key that does the same.
    void tapSpeech() const { press("space", speechPanel()); }
    void pet() const { press("p", petArea()); }
    void chooseCommand(int command) const { press(QString::number(command + 1), commandButton(command)); }
    void pressHelp() const { press("F1", helpButton()); }
    // Taps the speech line and waits for a new page or a box.
    void turnPage() const
    {
        const QImage before = screen_.grab(speechPanel());
        tapSpeech();
        waitUntil("a new page or a box", [&] { return openBox() || screen_.grab(speechPanel()) != before; });
    }
    // Alt reaches the menu bar, → the next menu, ↓ opens it at its first item.
    void chooseMenuItem(Menu menu, int item) const
    {
        keys(QStringList{"alt"} + QStringList(static_cast<int>(menu), "Right") + QStringList{"Down"});
        waitUntil("the menu to open", [this] { return hasMenuOpen(); });
        keys(QStringList(item - 1, "Down") + QStringList{"Return"});
        waitUntil("the menu to close", [this] { return !hasMenuOpen(); });
    }
    void choose(OptionItem item) const { chooseMenuItem(Menu::Options, static_cast<int>(item)); }
    // With keys alone, by their shortcuts.
    void choose(MainItem item) const
    {
        if (hands_ == Hands::Mouse)
            return chooseMenuItem(Menu::Main, static_cast<int>(item));
        keys({item == MainItem::Save ? "ctrl+s" : item == MainItem::Load ? "ctrl+o" : "ctrl+q"});
    }

    // The game's boxes.
    std::optional<ScreenWindow> openBox() const
    {
        for (const ScreenWindow& w : screen_.windows())
            if (w.isBox)
                return w;
        return std::nullopt;
    }
    ScreenWindow waitForBox() const
    {
        waitUntil("a box", [this] { return openBox().has_value(); });
        return *openBox();
    }
    // Presses Return in the box and, once it has gone, hands the focus back
    // to the game as a window manager would.
    void answerBox(const ScreenWindow& box) const
    {
        focus(box.id);
        keys({"Return"});
        waitUntil("the box to close", [&] {
            const auto open = screen_.windows();
            return std::none_of(open.begin(), open.end(), [&](const ScreenWindow& w) { return w.id == box.id; });
        });
        if (window_.id != 0)
            focus(window_.id);
    }

    // From the title through the naming scene, typing the two names ("" is
    // the default), until the clock runs.
    void nameThePets(const std::string& owner, const std::string& pet)
    {
        tapSpeech();
        waitForPicture("the pet of the naming scene", {"t0.bmp", "t1.bmp"});
        for (const std::string& name : {owner, pet}) {
            while (!openBox())
                turnPage();
            const ScreenWindow box = *openBox();
            if (!name.empty()) {
                focus(box.id);
                screen_.type(name);
            }
            answerBox(box);
        }
        // Four pages follow the pet's name; the tap after them starts the clock.
        for (int page = 0; page < 4; ++page)
            turnPage();
        tapSpeech();
        const QImage hour = screen_.grab(hourLabel());
        waitUntil("the clock to run", [&] { return screen_.grab(hourLabel()) != hour; });
    }
    // Chooses セーブ, closes its message and returns what the file holds.
    SavedGame save() const
    {
        choose(MainItem::Save);
        answerBox(waitForBox());
        return readSavedGame(saveFile());
    }

    // What the player sees. The picture file the pet area shows, e.g. "t0.bmp".
    std::string picture() const
    {
        if (!pictures_)
            pictures_.emplace(folder_.path());
        return pictures_->nearest(screen_.grab(petArea().adjusted(1, 1, -1, -1)));
    }
    void waitForPicture(const std::string& what, const std::vector<std::string>& files) const
    {
        waitUntil(what, [&] { return std::find(files.begin(), files.end(), picture()) != files.end(); });
    }
    // The status panel's colour: red affection, green dance, blue song. Below
    // its three lines of text the panel shows nothing else.
    QColor statusColour() const { return pixel(statusPanel().bottomLeft() + QPoint(4, -6)); }
    // Whether the fatigue bar shows: red merged with the inverse of the
    // yellow panel, purple, from the left edge. Its bottom row lies under the
    // click hint, which is empty while no scene runs.
    bool looksTired() const { return pixel(speechPanel().bottomLeft() + QPoint(0, -1)) == QColor(192, 0, 127); }
    // The command button that looks pressed, or -1 when none clearly does.
    // The three faces are equally bright, a pressed one darker; a strip left
    // of the caption holds only the face.
    int pressedCommand() const
    {
        std::vector<int> brightness;
        for (int i = 0; i < 3; ++i) {
            const QRect face = commandButton(i).adjusted(4, 6, 0, -6);
            const QRgb mean = screen_.grab(QRect(face.topLeft(), QSize(6, face.height())))
                                  .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .pixel(0, 0);
            brightness.push_back(qRed(mean) + qGreen(mean) + qBlue(mean));
        }
        const auto darkest = std::min_element(brightness.begin(), brightness.end());
        if (std::count_if(brightness.begin(), brightness.end(), [&](int b) { return b - *darkest < 20; }) > 1)
            return -1;
        return static_cast<int>(darkest - brightness.begin());
    }

    bool isRunning() const
    {
        game_->waitForFinished(0);  // takes note of an end that has come
        return game_->state() != QProcess::NotRunning;
    }
    int waitForExit() const
    {
        if (const std::optional<int> status = exitWithin(PatientWait))
            return *status;
        throw std::runtime_error("the game did not end");
    }
    // The exit status (-1 for a crash) if the game ends within the limit.
    std::optional<int> exitWithin(std::chrono::milliseconds limit) const
    {
        if (isRunning() && !game_->waitForFinished(static_cast<int>(limit.count())))
            return std::nullopt;
        return game_->exitStatus() == QProcess::NormalExit ? game_->exitCode() : -1;
    }

private:
    QColor pixel(QPoint at) const { return screen_.grab(QRect(at, QSize(1, 1))).pixel(0, 0); }
    // With keys alone the key, else a click in the middle of the area. The
    // pointer then rests over the menu bar, right of its titles: no tool tip,
    // no hover look.
    void press(const QString& key, const QRect& area) const
    {
        if (hands_ == Hands::KeysOnly)
            return keys({key});
        const QPoint rest(window_.geometry.right() - 10, window_.geometry.top() + menuBarHeight_ / 2);
        screen_.xdotool({"mousemove", QString::number(area.center().x()), QString::number(area.center().y()), "click",
                         "1", "mousemove", QString::number(rest.x()), QString::number(rest.y())});
    }
    void keys(const QStringList& names) const { screen_.xdotool(QStringList{"key", "--delay", "40"} + names); }
    // Keystrokes go to a window only once it has the input focus; with no
    // window manager nobody else gives it.
    void focus(unsigned long window) const { screen_.xdotool({"windowfocus", "--sync", QString::number(window)}); }
    bool hasMenuOpen() const
    {
        const auto open = screen_.windows();
        return std::any_of(open.begin(), open.end(), [](const ScreenWindow& w) { return w.isMenu; });
    }

    VirtualScreen screen_;
    QTemporaryDir folder_{QDir::tempPath() + "/mokopi-e2e-app-XXXXXX"};
    QTemporaryDir run_{QDir::tempPath() + "/mokopi-e2e-run-XXXXXX"};
    Hands hands_ = Hands::Mouse;
    Program game_;
    ScreenWindow window_;
    int menuBarHeight_ = 0;
    mutable std::optional<PictureLikeness> pictures_;  // read at the first question
};

}  // namespace mokopi::e2e
