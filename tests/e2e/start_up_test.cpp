// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>

#include <sys/stat.h>

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

TEST_F(StartUpTest, WithAFifoInPlaceOfEveryCachedPictureTheGameStartsShowsItsPicturesAndQuits)
{
    const auto playToTheNaming = [&] {
        launch();
        waitForPicture("the title", {"stt.bmp"});
        tapSpeech();
        waitForPicture("the pet of the naming scene", {"t0.bmp", "t1.bmp"});
        choose(MainItem::Quit);
        return waitForExit();
    };
    ASSERT_EQ(playToTheNaming(), 0);
    const QStringList entries = QDir(pictureCache()).entryList({"*.pic"});
    ASSERT_FALSE(entries.isEmpty());
    for (const QString& entry : entries) {  // nobody ever writes to them
        const QString path = QDir(pictureCache()).filePath(entry);
        ASSERT_TRUE(QFile::remove(path) && mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    EXPECT_EQ(playToTheNaming(), 0);
}

}  // namespace
}  // namespace mokopi::e2e
