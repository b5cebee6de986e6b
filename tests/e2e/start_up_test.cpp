#include <filesystem>

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

using StartUpTest = GameOnScreenTest;

TEST_F(StartUpTest, AMissingPictureEndsTheProgramWithStatusTwoOnceItsMessageIsClosed)
{
    std::filesystem::remove(folder / "raku.bmp");
    RunningGame& game = launch({}, false);
    const ScreenWindow message = game.waitForBox(Title);
    EXPECT_TRUE(game.isRunning());  // the message waits for the player
    game.answerBox(message);
    EXPECT_EQ(game.waitForExit(), 2);
}

}  // namespace
}  // namespace mokopi::e2e
