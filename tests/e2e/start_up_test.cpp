// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

using StartUpTest = GameOnScreenTest;

TEST_F(StartUpTest, AMissingPictureEndsTheProgramWithStatusTwoOnceItsMessageIsClosed)
{
    QFile::remove(appFile("raku.bmp"));
    start();
    const ScreenWindow message = waitForBox();
    EXPECT_TRUE(isRunning());  // the message waits for the player
    answerBox(message);
    EXPECT_EQ(waitForExit(), 2);
}

}  // namespace
}  // namespace mokopi::e2e
