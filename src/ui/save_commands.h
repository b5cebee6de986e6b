#pragma once

#include <QString>

namespace mokopi {
class Game;
}

namespace mokopi::ui {

class Dialogs;

// The one save file, in the save folder (AppFolders).
inline constexpr const char* SaveFileName = "mokopi.dat";

// Writes the game to the save file, creating its folder at the first save. A
// failed write says so and leaves the previous file as it was.
void saveGame(const Game& game, Dialogs& dialogs, const QString& saveFolder);

// Reads and checks the whole save file, then hands it to the game. A file
// that cannot be read or checked is refused with a message, and the game,
// running scene included, goes on untouched.
void loadGame(Game& game, Dialogs& dialogs, const QString& saveFolder);

}  // namespace mokopi::ui
