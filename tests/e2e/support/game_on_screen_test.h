#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/app_folder.h"
#include "support/running_game.h"
#include "support/virtual_screen.h"
#include "support/wait.h"

namespace mokopi::e2e {

// Every test gets a virtual screen (1366 x 768) and a fresh copy of the
// application folder of its own; launch() starts the built game on them.
class GameOnScreenTest : public ::testing::Test {
protected:
    // Starts the game and, unless told otherwise, waits for its window.
    RunningGame& launch(const std::vector<std::string>& environment = {}, bool waitForWindow = true)
    {
        game = std::make_unique<RunningGame>(screen, folder, environment);
        if (waitForWindow)
            game->waitForWindow();
        return *game;
    }

    // From the title through the naming scene, typing the two names ("" is
    // the default), until the clock runs.
    void playTheNamingScene(const std::string& owner, const std::string& pet)
    {
        for (const std::string& name : {owner, pet}) {
            const ScreenWindow box = game->clickSpeechUntilBox(NameBoxTitle);
            if (!name.empty())
                game->typeIntoBox(box, name);
            game->answerBox(box);
        }
        for (int page = 0; page < PagesAfterNaming; ++page)
            game->turnPage();
        game->clickSpeech();
        waitForTheClock();
    }

    // Waits until the hour label changes.
    void waitForTheClock()
    {
        const QImage hour = game->grab(game->hourLabel());
        waitUntil("the clock to run", [&] { return game->grab(game->hourLabel()) != hour; });
    }

    static constexpr const char* Title = "もこぴ育成";
    static constexpr const char* NameBoxTitle = "呼び名を決めてね";
    // Four pages follow the pet's name; the click after them starts the clock.
    static constexpr int PagesAfterNaming = 4;

    VirtualScreen screen;
    AppFolder folder;
    std::unique_ptr<RunningGame> game;
};

}  // namespace mokopi::e2e
