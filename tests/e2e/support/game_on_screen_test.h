#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

#include "support/running_game.h"
#include "support/saved_game.h"
#include "support/virtual_screen.h"
#include "support/wait.h"

namespace mokopi::e2e {

// Every test gets a virtual screen and a fresh copy of the built application
// folder (the program with its pictures and sounds; the build names it in
// MOKOPI_APP_DIR), so that it starts with no save file and may break files.
class GameOnScreenTest : public ::testing::Test {
protected:
    GameOnScreenTest()
    {
        const std::string built = qEnvironmentVariable("MOKOPI_APP_DIR").toStdString();
        if (!std::filesystem::is_regular_file(built + "/mokopi"))
            throw std::runtime_error("MOKOPI_APP_DIR must name the built application folder");
        std::filesystem::copy(built, folder.path().toStdString(), std::filesystem::copy_options::recursive);
        std::filesystem::remove(saveFile().toStdString());
    }

    QString saveFile() const { return folder.filePath("mokopi.dat"); }

    void launch(Hands hands = Hands::Mouse, const QString& soundServer = {})
    {
        game = std::make_unique<RunningGame>(screen, folder.path(), hands, soundServer);
        game->waitForWindow();
    }

    // From the title through the naming scene, typing the two names ("" is
    // the default), until the clock runs.
    void nameThePets(const std::string& owner, const std::string& pet)
    {
        game->tapSpeech();
        game->waitForPicture("the pet of the naming scene", {"t0.bmp", "t1.bmp"});
        for (const std::string& name : {owner, pet}) {
            while (!game->openBox())
                game->turnPage();
            const ScreenWindow box = *game->openBox();
            if (!name.empty())
                game->typeIntoBox(box, name);
            game->answerBox(box);
        }
        // Four pages follow the pet's name; the tap after them starts the clock.
        for (int page = 0; page < 4; ++page)
            game->turnPage();
        game->tapSpeech();
        game->waitForTheClock();
    }

    // Chooses セーブ, closes its message and returns what the file holds.
    SavedGame save()
    {
        game->choose(MainItem::Save);
        game->answerBox(game->waitForBox());
        return readSavedGame(saveFile());
    }

    VirtualScreen screen;
    QTemporaryDir folder{QDir::tempPath() + "/mokopi-e2e-app-XXXXXX"};
    std::unique_ptr<RunningGame> game;
};

}  // namespace mokopi::e2e
