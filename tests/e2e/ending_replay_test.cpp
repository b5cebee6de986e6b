// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

using EndingReplayTest = GameOnScreenTest;

// The picture pair of each ending, by the number of its menu item.
const char* const EndingPictures[9] = {"endmix",  "endai",     "endhirou", "enduta",   "endodori",
                                       "endauta", "endaodori", "endhuta",  "endhodori"};

TEST_F(EndingReplayTest, EachItemOfTheEndingMenuReplaysItsOwnEnding)
{
    SavedGame everyEnding{"Tama", "Pochi"};
    everyEnding.cleared.fill(true);
    writeSavedGame(saveFile(), everyEnding);
    launch();
    waitForPicture("the title", {"stt.bmp"});
    choose(MainItem::Load);
    answerBox(waitForBox());

    for (int n = 0; n < 9; ++n) {
        chooseMenuItem(Menu::Endings, n + 1);
        answerBox(waitForBox());  // yes, end this game for the replay
        const std::string pair = EndingPictures[n];
        waitForPicture("ending " + std::to_string(n), {pair + "0.bmp", pair + "1.bmp"});
    }
}

using LastDayTest = GameOnScreenTest;

// Saved while the last day's ending was told: the load ends the story, and the
// next hour tells it again instead of counting on to day 25.
TEST_F(LastDayTest, AGameSavedDuringItsLastDaysEndingEndsAgainSoonAfterItIsLoaded)
{
    SavedGame lastDay{"Tama", "Pochi"};
    lastDay.song = 210;  // the singer
    lastDay.hour = 24;
    lastDay.day = 24;
    writeSavedGame(saveFile(), lastDay);
    launch();
    waitForPicture("the title", {"stt.bmp"});
    choose(MainItem::Load);
    answerBox(waitForBox());
    waitForPicture("the singer's ending", {"enduta0.bmp", "enduta1.bmp"});
    const SavedGame ending = save();
    EXPECT_EQ(ending.day, 24);
    EXPECT_LE(ending.hoursPlayed() - lastDay.hoursPlayed(), 3);
    EXPECT_TRUE(ending.cleared[3]);
}

}  // namespace
}  // namespace mokopi::e2e
