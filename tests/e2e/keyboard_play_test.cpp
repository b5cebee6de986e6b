#include "support/game_on_screen_test.h"
#include "support/player_input.h"
#include "support/saved_game.h"

namespace mokopi::e2e {
namespace {

// A player with no mouse: the pointer rests off the window and every step is
// a key. Only the input focus is handed back when a box closes, as a window
// manager would; there is none under Xvfb.
class KeyboardPlayTest : public GameOnScreenTest {
protected:
    void SetUp() override { keyboard.moveTo({0, 0}); }

    void focusTheGame()
    {
        for (const ScreenWindow& w : screen.windows())
            if (w.isNormal() && w.title == Title)
                return keyboard.focus(w.id);
        throw std::runtime_error("the game's window has gone");
    }
    // A key on the speech line; waits for what it shows: the next page or a box.
    void press(const std::string& key, const std::string& box = {})
    {
        const QImage before = game->grab(game->speechPanel());
        keyboard.keys({key});
        waitUntil("the " + key + " key to show a page or a box",
                  [&] { return (!box.empty() && game->findBox(box)) || game->grab(game->speechPanel()) != before; });
    }
    ScreenWindow pressUntilBox(const std::string& title)
    {
        for (int page = 0; page < 20; ++page) {
            press(page % 2 ? "Return" : "space", title);  // both turn the page
            if (const auto box = game->findBox(title))
                return *box;
        }
        throw std::runtime_error("no box titled " + title + " after 20 pages");
    }
    // Alt reaches the menu bar; → the next menu, ↓ opens it at its first item.
    void chooseFromTheMenuBar(int menu, int item)
    {
        keyboard.keys({"alt"});
        for (int i = 0; i < menu; ++i)
            keyboard.keys({"Right"});
        keyboard.keys({"Down"});
        waitUntil("the menu to open", [&] { return hasMenuOpen(); });
        keyboard.keys(std::vector<std::string>(static_cast<std::size_t>(item), "Down"));
        keyboard.keys({"Return"});
        waitUntil("the menu to close", [&] { return !hasMenuOpen(); });
    }
    bool hasMenuOpen() const
    {
        const auto windows = screen.windows();
        return std::any_of(windows.begin(), windows.end(), [](const ScreenWindow& w) { return w.isMenu(); });
    }
    SavedGame save()
    {
        keyboard.keys({"ctrl+s"});
        game->answerBox(game->waitForBox(Title));
        focusTheGame();
        return readSavedGame(readFile(folder.saveFile()));
    }

    PlayerInput keyboard{screen};
};

TEST_F(KeyboardPlayTest, TitleNamingClockACommandPettingHelpSavingAndQuittingByKeysAlone)
{
    launch();
    game->waitForPicture("the title", {"stt.bmp"});
    focusTheGame();
    chooseFromTheMenuBar(1, 2);  // オプション, イベントアリ: no story stops the clock at random

    press("space");
    game->waitForPicture("the pet of the naming scene", {"t0.bmp", "t1.bmp"});
    for (const std::string name : {"taro", "pom"}) {
        const ScreenWindow box = pressUntilBox(NameBoxTitle);
        game->typeIntoBox(box, name);
        game->answerBox(box);
        focusTheGame();
    }
    for (int page = 0; page < PagesAfterNaming; ++page)
        press("space");
    keyboard.keys({"Return"});
    waitForTheClock();

    keyboard.keys({"1"});
    waitUntil("うた to look pressed", [&] { return game->pressedCommand() == 0; });
    waitUntil("singing to raise the song", [&] { return game->statusColour().blue() >= 3; });
    const SavedGame sung = save();
    EXPECT_EQ(sung.owner + " " + sung.pet, "taro pom");
    EXPECT_GE(sung.song, 3);
    EXPECT_GT(sung.fatigue, 0);
    EXPECT_EQ(sung.dance, 0);
    EXPECT_TRUE(sung.started);

    keyboard.keys({"2"});
    waitUntil("おどり to look pressed", [&] { return game->pressedCommand() == 1; });
    waitUntil("dancing to raise the dance", [&] { return game->statusColour().green() >= 3; });

    // P pets: affection up by 10 to 19 and eleven hours gone at once. At rest,
    // so that no hour of training takes a point of affection back.
    keyboard.keys({"3"});
    waitUntil("やすむ to look pressed", [&] { return game->pressedCommand() == 2; });
    const SavedGame rested = save();
    keyboard.keys({"p"});
    const SavedGame petted = save();
    EXPECT_GE(petted.affection - rested.affection, 10);
    EXPECT_LE(petted.affection - rested.affection, 19);
    EXPECT_GE(petted.hoursPlayed() - rested.hoursPlayed(), 11);

    // F1: the version, then the help.
    keyboard.keys({"F1"});
    game->answerBox(game->waitForBox(Title));
    const ScreenWindow help = game->waitForBox(Title);
    EXPECT_GT(help.geometry.height(), 200);
    game->answerBox(help);
    focusTheGame();

    keyboard.keys({"ctrl+q"});
    EXPECT_EQ(game->waitForExit(), 0);
}

}  // namespace
}  // namespace mokopi::e2e
