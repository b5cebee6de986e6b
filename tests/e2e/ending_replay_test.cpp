#include <string>

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

using EndingReplayTest = GameOnScreenTest;

// The picture pair of each ending, by the number of its menu item.
const char* const EndingPictures[9] = {"endmix", "endai", "endhirou", "enduta", "endodori",
                                       "endauta", "endaodori", "endhuta", "endhodori"};

TEST_F(EndingReplayTest, EachItemOfTheEndingMenuReplaysItsOwnEnding)
{
    SavedGame everyEnding{"Tama", "Pochi"};
    everyEnding.cleared.fill(true);
    writeSavedGame(saveFile(), everyEnding);
    launch();
    game->waitForPicture("the title", {"stt.bmp"});
    game->choose(MainItem::Load);
    game->answerBox(game->waitForBox());

    for (int n = 0; n < 9; ++n) {
        game->chooseMenuItem(Menu::Endings, n + 1);
        game->answerBox(game->waitForBox());  // yes, end this game for the replay
        const std::string pair = EndingPictures[n];
        game->waitForPicture("ending " + std::to_string(n), {pair + "0.bmp", pair + "1.bmp"});
    }
}

}  // namespace
}  // namespace mokopi::e2e
