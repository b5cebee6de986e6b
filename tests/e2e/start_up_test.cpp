#include <QFile>

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

using StartUpTest = GameOnScreenTest;

TEST_F(StartUpTest, AMissingPictureEndsTheProgramWithStatusTwoOnceItsMessageIsClosed)
{
    QFile::remove(folder.filePath("raku.bmp"));
    game = std::make_unique<RunningGame>(screen, folder.path(), Hands::Mouse);
    const ScreenWindow message = game->waitForBox();
    EXPECT_TRUE(game->isRunning());  // the message waits for the player
    game->answerBox(message);
    EXPECT_EQ(game->waitForExit(), 2);
}

}  // namespace
}  // namespace mokopi::e2e
