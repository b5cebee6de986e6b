#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

// The names as typed, and as the save file must hold them (code page 932:
// the input method's "〜" is kept as 81 60).
const std::string Owner = "みどり〜", OwnerBytes = "\x82\xdd\x82\xc7\x82\xe8\x81\x60";
const std::string Pet = "もこ①", PetBytes = "\x82\xe0\x82\xb1\x87\x40";

const std::vector<std::string> Ordinary = {"t0.bmp", "t1.bmp"};
const std::vector<std::string> Singer = {"enduta0.bmp", "enduta1.bmp"};

// The road both players take, with the mouse and by keys alone.
class PlayTest : public GameOnScreenTest {
protected:
    // From the title, with events off (they would stop the clock at random),
    // through the naming scene to the running clock.
    void startAndName()
    {
        game->waitForPicture("the title", {"stt.bmp"});
        game->choose(OptionItem::Events);
        nameThePets(Owner, Pet);
        const SavedGame named = save();
        EXPECT_EQ(named.owner, OwnerBytes);
        EXPECT_EQ(named.pet, PetBytes);
        EXPECT_TRUE(named.started);
    }
    void choose(int command)
    {
        game->chooseCommand(command);
        waitUntil("command " + std::to_string(command) + " to look pressed",
                  [&] { return game->pressedCommand() == command; });
    }
    // At rest, so that no hour of training takes a point of affection back:
    // affection up by 10 to 19, and eleven hours gone at once.
    SavedGame petAtRest()
    {
        choose(2);
        const SavedGame before = save();
        game->pet();
        const SavedGame petted = save();
        EXPECT_GE(petted.affection - before.affection, 10);
        EXPECT_LE(petted.affection - before.affection, 19);
        EXPECT_EQ(game->statusColour().red(), petted.affection);
        EXPECT_GE(petted.hoursPlayed() - before.hoursPlayed(), 11);
        return petted;
    }
    // The version first, then the much longer help.
    void readTheHelp()
    {
        game->pressHelp();
        const ScreenWindow version = game->waitForBox();
        game->answerBox(version);
        const ScreenWindow help = game->waitForBox();
        EXPECT_GT(help.geometry.height(), 2 * version.geometry.height());
        game->answerBox(help);
    }
};

TEST_F(PlayTest, FromTheTitleThroughTrainingPettingSavingAndLoadingToAnEndingAndItsReplay)
{
    launch();
    startAndName();
    EXPECT_EQ(game->pressedCommand(), 2);

    // In super-fast mode each command moves its own value: the panel is red
    // affection, green dance, blue song; the purple bar is the fatigue.
    game->choose(OptionItem::SuperFast);
    choose(0);
    waitUntil("singing to raise the song", [&] { return game->statusColour().blue() >= 12; });
    EXPECT_EQ(game->statusColour().green(), 0);
    EXPECT_TRUE(game->looksTired());
    choose(1);
    const int song = game->statusColour().blue();
    waitUntil("dancing to raise the dance", [&] { return game->statusColour().green() >= 12; });
    EXPECT_EQ(game->statusColour().blue(), song);
    choose(2);
    const QColor trained = game->statusColour();
    waitUntil("rest to take the fatigue away", [&] { return !game->looksTired(); });
    EXPECT_LE(game->statusColour().blue(), trained.blue());
    EXPECT_LE(game->statusColour().green(), trained.green());
    EXPECT_EQ(game->statusColour().red(), 0);

    game->choose(OptionItem::SuperFast);
    const SavedGame petted = petAtRest();

    // 終了 ends the program at once and saves nothing.
    game->choose(MainItem::Quit);
    EXPECT_EQ(game->waitForExit(), 0);
    EXPECT_EQ(readSavedGame(saveFile()), petted);

    // Start again and load: the panel shows the saved affection, the game goes on.
    launch();
    game->waitForPicture("the title", {"stt.bmp"});
    game->choose(OptionItem::Events);
    game->choose(MainItem::Load);
    const ScreenWindow loaded = game->waitForBox();
    waitUntil("the panel to show the loaded affection", [&] { return game->statusColour().red() == petted.affection; });
    game->answerBox(loaded);
    game->waitForPicture("the pet, with no naming scene", Ordinary);
    const SavedGame back = save();
    EXPECT_EQ(back.owner + back.pet, petted.owner + petted.pet);
    EXPECT_EQ(back.affection, petted.affection);
    EXPECT_GE(back.hoursPlayed(), petted.hoursPlayed());

    // A saved singer one note from full: singing ends the period with the singer's story.
    SavedGame nearlyFull = petted;
    nearlyFull.song = 254;
    nearlyFull.dance = nearlyFull.fatigue = nearlyFull.affection = 0;
    writeSavedGame(saveFile(), nearlyFull);
    game->choose(MainItem::Load);
    game->answerBox(game->waitForBox());
    game->chooseCommand(0);
    game->waitForPicture("the singer's ending", Singer);
    for (int page = 1; page < 4; ++page)
        game->turnPage();
    game->tapSpeech();
    game->waitForPicture("the title of a new game", {"stt.bmp"});

    // Its item, the only ending cleared, replays it after a yes.
    game->chooseMenuItem(Menu::Endings, 1);
    game->answerBox(game->waitForBox());
    game->waitForPicture("the singer's ending again", Singer);

    readTheHelp();
    EXPECT_FALSE(game->openBox());
}

TEST_F(PlayTest, TheSameRoadByKeysAloneFromTheTitleThroughACommandPettingAndHelpToQuitting)
{
    launch(Hands::KeysOnly);
    startAndName();
    choose(0);
    waitUntil("singing to raise the song", [&] { return game->statusColour().blue() >= 2; });
    const SavedGame sung = save();
    EXPECT_GE(sung.song, 2);
    EXPECT_EQ(sung.dance, 0);
    petAtRest();
    readTheHelp();
    game->choose(MainItem::Quit);
    EXPECT_EQ(game->waitForExit(), 0);
}

}  // namespace
}  // namespace mokopi::e2e
