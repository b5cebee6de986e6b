// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

namespace mokopi::game {
class Game;
}
namespace mokopi::persist {
class SaveFolderLock;
}  // namespace mokopi::persist

namespace mokopi::ui {

class Dialogs;

// The one save file, in the save folder (AppFolders).
inline constexpr const char* SaveFileName = "mokopi.dat";

// Writes the game to the save file, creating its folder if it is gone. A
// failed write says why and leaves the previous file as it was. An empty
// save folder stands for none (AppFolders): saves and loads say so.
void saveGame(const game::Game& game, Dialogs& dialogs, const QString& saveFolder);

// Reads and checks the whole save file, then hands it to the game. A file
// that cannot be read or checked is refused with a message that says why, and the game,
// running scene included, goes on untouched.
void loadGame(game::Game& game, Dialogs& dialogs, const QString& saveFolder);

// Start-up's claim on the save folder, to hold for the whole run; the folder
// is made here, so that the lock can stand beside the save. When
// another copy of the game holds it already, tells the player so and returns
// null: this copy must stop without touching anything.
std::unique_ptr<persist::SaveFolderLock> claimSaveFolder(const QString& saveFolder, Dialogs& dialogs);

}  // namespace mokopi::ui
