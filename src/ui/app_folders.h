// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace mokopi::ui {

// Where the game reads its pictures, sounds and icon (data), and where it
// keeps mokopi.dat (save). Each ends in "/".
struct AppFolders {
    QString data;
    QString save;
};

// A copy that finds its pictures beside its executable (the build tree, a
// portable copy) keeps everything there, the save file too. An installed copy
// reads the data folder that lies at dataFromExecutable (a relative path)
// from its executable, and saves into the player's own data folder, since
// the installed folders belong to the system.
AppFolders resolveAppFolders(const QString& executableFolder, const QString& dataFromExecutable,
                             const QString& playerDataFolder);

// The folders of this program, from where its executable lies and, when it
// is installed, the player's data folder (~/.local/share/mokopi on Linux).
// Needs the application object and its name (setApplicationIdentity).
AppFolders appFolders();

// The program's name, version and desktop entry. The name decides the
// player's data folder, so it is set before anything asks for it.
void setApplicationIdentity();

}  // namespace mokopi::ui
