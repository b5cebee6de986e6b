// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

// The names as typed, and as the save file must hold them (code page 932:
// the input method's "〜" is kept as 81 60).
const std::string Owner = "みどり〜", OwnerBytes = "\x82\xdd\x82\xc7\x82\xe8\x81\x60";
const std::string Pet = "もこ①", PetBytes = "\x82\xe0\x82\xb1\x87\x40";

const std::vector<std::string> Singer = {"enduta0.bmp", "enduta1.bmp"};

// The road both players take, with the mouse and by keys alone.
class PlayTest : public GameOnScreenTest {
protected:
    // From the title, with events off (they would stop the clock at random),
    // through the naming scene to the running clock.
    void startAndName()
    {
        waitForPicture("the title", {"stt.bmp"});
        choose(OptionItem::Events);
        nameThePets(Owner, Pet);
        const SavedGame named = save();
        EXPECT_EQ(named.owner, OwnerBytes);
        EXPECT_EQ(named.pet, PetBytes);
        EXPECT_TRUE(named.started);
    }
    void chooseAndSee(int command)
    {
        chooseCommand(command);
        waitUntil("command " + std::to_string(command) + " to look pressed",
                  [&] { return pressedCommand() == command; });
    }
    // At rest, so that no hour of training takes a point of affection back:
    // affection up by 10 to 19, and eleven hours gone at once.
    SavedGame petAtRest()
    {
        chooseAndSee(2);
        const SavedGame before = save();
        pet();
        const SavedGame petted = save();
        EXPECT_GE(petted.affection - before.affection, 10);
        EXPECT_LE(petted.affection - before.affection, 19);
        EXPECT_EQ(statusColour().red(), petted.affection);
        EXPECT_GE(petted.hoursPlayed() - before.hoursPlayed(), 11);
        return petted;
    }
    // The version first, then the much longer help.
    void readTheHelp()
    {
        pressHelp();
        const ScreenWindow version = waitForBox();
        answerBox(version);
        const ScreenWindow help = waitForBox();
        EXPECT_GT(help.geometry.height(), 2 * version.geometry.height());
        answerBox(help);
    }
};

TEST_F(PlayTest, FromTheTitleThroughTrainingPettingSavingAndLoadingToAnEndingAndItsReplay)
{
    launch();
    startAndName();
    EXPECT_EQ(pressedCommand(), 2);

    // In super-fast mode each command moves its own value: the panel is red
    // affection, green dance, blue song; the purple bar is the fatigue.
    choose(OptionItem::SuperFast);
    chooseAndSee(0);
    waitUntil("singing to raise the song", [&] { return statusColour().blue() >= 12; });
    EXPECT_EQ(statusColour().green(), 0);
    EXPECT_TRUE(looksTired());
    chooseAndSee(1);
    const int song = statusColour().blue();
    waitUntil("dancing to raise the dance", [&] { return statusColour().green() >= 12; });
    EXPECT_EQ(statusColour().blue(), song);
    chooseAndSee(2);
    const QColor trained = statusColour();
    waitUntil("rest to take the fatigue away", [&] { return !looksTired(); });
    EXPECT_LE(statusColour().blue(), trained.blue());
    EXPECT_LE(statusColour().green(), trained.green());
    EXPECT_EQ(statusColour().red(), 0);

    choose(OptionItem::SuperFast);
    const SavedGame petted = petAtRest();

    // 終了 ends the program at once and saves nothing.
    choose(MainItem::Quit);
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(readSavedGame(saveFile()), petted);

    // Start again and load: the panel shows the saved affection, the game goes on.
    launch();
    waitForPicture("the title", {"stt.bmp"});
    choose(OptionItem::Events);
    choose(MainItem::Load);
    const ScreenWindow loaded = waitForBox();
    waitUntil("the panel to show the loaded affection", [&] { return statusColour().red() == petted.affection; });
    answerBox(loaded);
    waitForPicture("the pet, with no naming scene", {"t0.bmp", "t1.bmp"});
    const SavedGame back = save();
    EXPECT_EQ(back.owner + back.pet, petted.owner + petted.pet);
    EXPECT_EQ(back.affection, petted.affection);
    EXPECT_GE(back.hoursPlayed(), petted.hoursPlayed());

    // A saved singer one note from full: singing ends the period with the singer's story.
    SavedGame nearlyFull = petted;
    nearlyFull.song = 254;
    nearlyFull.dance = nearlyFull.fatigue = nearlyFull.affection = 0;
    writeSavedGame(saveFile(), nearlyFull);
    choose(MainItem::Load);
    answerBox(waitForBox());
    chooseCommand(0);
    waitForPicture("the singer's ending", Singer);
    for (int page = 1; page < 4; ++page)
        turnPage();
    tapSpeech();
    waitForPicture("the title of a new game", {"stt.bmp"});

    // Its item, the only ending cleared, replays it after a yes.
    chooseMenuItem(Menu::Endings, 1);
    answerBox(waitForBox());
    waitForPicture("the singer's ending again", Singer);

    readTheHelp();
    EXPECT_FALSE(openBox());
}

TEST_F(PlayTest, TheSameRoadByKeysAloneFromTheTitleThroughACommandPettingAndHelpToQuitting)
{
    launch(Hands::KeysOnly);
    startAndName();
    chooseAndSee(0);
    waitUntil("singing to raise the song", [&] { return statusColour().blue() >= 2; });
    const SavedGame sung = save();
    EXPECT_GE(sung.song, 2);
    EXPECT_EQ(sung.dance, 0);
    petAtRest();
    readTheHelp();
    choose(MainItem::Quit);
    EXPECT_EQ(waitForExit(), 0);
}

}  // namespace
}  // namespace mokopi::e2e
