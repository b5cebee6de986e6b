#include <chrono>

#include "support/game_on_screen_test.h"
#include "support/saved_game.h"

namespace mokopi::e2e {
namespace {

using namespace std::chrono_literals;

// The names as typed, and as the save file must hold them (code page 932:
// the input method's "〜" is kept as 81 60).
const std::string Owner = "みどり〜", OwnerBytes = "\x82\xdd\x82\xc7\x82\xe8\x81\x60";
const std::string Pet = "もこ①", PetBytes = "\x82\xe0\x82\xb1\x87\x40";

const std::vector<std::string> Ordinary = {"t0.bmp", "t1.bmp"};
const std::vector<std::string> Singer = {"enduta0.bmp", "enduta1.bmp"};

class PlayTest : public GameOnScreenTest {
protected:
    // Chooses セーブ, closes its message and returns what the file holds.
    SavedGame save()
    {
        game->choose(MainItem::Save);
        game->answerBox(game->waitForBox(Title));
        return readSavedGame(readFile(folder.saveFile()));
    }
    void load()
    {
        game->choose(MainItem::Load);
        game->answerBox(game->waitForBox(Title));
    }
    // Events would stop the clock at random; the player switches them off.
    void switchEventsOff() { game->choose(OptionItem::Events); }
    void waitForPressed(int command)
    {
        waitUntil("command " + std::to_string(command) + " to look pressed",
                  [&] { return game->pressedCommand() == command; });
    }
    // Hours the clock may have run, at most, since then (a half-second clock).
    static int clockHoursSince(std::chrono::steady_clock::time_point then)
    {
        return static_cast<int>((std::chrono::steady_clock::now() - then) / 500ms) + 1;
    }
};

TEST_F(PlayTest, FromTheTitleThroughTrainingPettingSavingAndLoadingToAnEndingAndItsReplay)
{
    launch();
    game->waitForPicture("the title", {"stt.bmp"});
    switchEventsOff();
    game->clickSpeech();
    game->waitForPicture("the pet of the naming scene", Ordinary);
    playTheNamingScene(Owner, Pet);
    EXPECT_EQ(game->pressedCommand(), 2);

    // In super-fast mode each command moves its own value: the panel is red
    // affection, green dance, blue song; the purple bar is the fatigue.
    game->choose(OptionItem::SuperFast);
    game->chooseCommand(0);
    waitForPressed(0);
    waitUntil("singing to raise the song", [&] { return game->statusColour().blue() >= 12; });
    EXPECT_EQ(game->statusColour().green(), 0);
    EXPECT_GT(game->fatigueShown(), 0);

    game->chooseCommand(1);
    waitForPressed(1);
    const int song = game->statusColour().blue();
    waitUntil("dancing to raise the dance", [&] { return game->statusColour().green() >= 12; });
    EXPECT_EQ(game->statusColour().blue(), song);

    game->chooseCommand(2);
    waitForPressed(2);
    const QColor trained = game->statusColour();
    waitUntil("rest to take the fatigue away", [&] { return game->fatigueShown() == 0; });
    EXPECT_LE(game->statusColour().blue(), trained.blue());
    EXPECT_LE(game->statusColour().green(), trained.green());
    EXPECT_EQ(game->statusColour().red(), 0);

    // Petting at the half-second clock: affection up by 10 to 19, eleven hours gone at once.
    game->choose(OptionItem::SuperFast);
    const auto savedAt = std::chrono::steady_clock::now();
    const SavedGame before = save();
    EXPECT_EQ(before.owner, OwnerBytes);
    EXPECT_EQ(before.pet, PetBytes);
    EXPECT_EQ(before.affection, 0);
    game->pet();
    const SavedGame petted = save();
    EXPECT_GE(petted.affection, 10);
    EXPECT_LE(petted.affection, 19);
    EXPECT_EQ(game->statusColour().red(), petted.affection);
    EXPECT_GE(petted.hoursPlayed() - before.hoursPlayed(), 11);
    EXPECT_LE(petted.hoursPlayed() - before.hoursPlayed(), 11 + clockHoursSince(savedAt));

    // 終了 ends the program at once and saves nothing.
    game->choose(MainItem::Quit);
    EXPECT_EQ(game->waitForExit(), 0);
    EXPECT_EQ(readSavedGame(readFile(folder.saveFile())), petted);

    // Start again and load: the panel shows the saved values, the game goes on.
    launch();
    game->waitForPicture("the title", {"stt.bmp"});
    switchEventsOff();
    const auto loadedAt = std::chrono::steady_clock::now();
    game->choose(MainItem::Load);
    const ScreenWindow loaded = game->waitForBox(Title);
    waitUntil("the panel to show the loaded affection", [&] { return game->statusColour().red() == petted.affection; });
    const QColor panel = game->statusColour();
    const int restingHours = clockHoursSince(loadedAt);  // each may take a point of song or dance
    EXPECT_TRUE(panel.green() <= petted.dance && panel.green() >= petted.dance - restingHours) << panel.green();
    EXPECT_TRUE(panel.blue() <= petted.song && panel.blue() >= petted.song - restingHours) << panel.blue();
    game->answerBox(loaded);
    game->waitForPicture("the pet, with no naming scene", Ordinary);
    const SavedGame back = save();
    EXPECT_EQ(back.owner + back.pet, petted.owner + petted.pet);
    EXPECT_EQ(back.affection, petted.affection);
    EXPECT_EQ(back.cleared, petted.cleared);
    EXPECT_TRUE(back.started);
    EXPECT_GE(back.hoursPlayed(), petted.hoursPlayed());
    EXPECT_LE(back.hoursPlayed(), petted.hoursPlayed() + clockHoursSince(loadedAt));

    // A saved singer one note from full: singing ends the period with the singer's story.
    SavedGame nearlyFull = petted;
    nearlyFull.song = 254;
    nearlyFull.dance = nearlyFull.fatigue = nearlyFull.affection = 0;
    writeFile(folder.saveFile(), savedGameBytes(nearlyFull));
    load();
    game->chooseCommand(0);
    game->waitForPicture("the singer's ending", Singer);
    for (int page = 1; page < 4; ++page)
        game->turnPage();
    game->clickSpeech();
    game->waitForPicture("the title of a new game", {"stt.bmp"});

    // Its item, the only ending cleared, replays it after a yes.
    game->chooseMenuItem(Menu::Endings, 1);
    game->answerBox(game->waitForBox(Title));
    game->waitForPicture("the singer's ending again", Singer);

    // The help button: the version first, then the much longer help.
    game->pressHelp();
    const ScreenWindow version = game->waitForBox(Title);
    game->answerBox(version);
    const ScreenWindow help = game->waitForBox(Title);
    EXPECT_GT(help.geometry.height(), 2 * version.geometry.height());
    game->answerBox(help);
    EXPECT_TRUE(game->boxes().empty());
}

}  // namespace
}  // namespace mokopi::e2e
