// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace mokopi::ui {

// Where the game reads its pictures, sounds and icon (data), where it keeps
// mokopi.dat (save), and where its sound module lies (modules). Each ends in
// "/", but save is empty when the player has no home folder: there is then
// nowhere to save; and modules is empty where none is looked for.
struct AppFolders {
    QString data;
    QString save;
    QString modules;
};

// Where an installed copy's data and modules lie: paths relative to its
// executable.
struct InstalledLayout {
    QString dataFromExecutable;
    QString modulesFromExecutable;
};

// A copy that finds its pictures beside its executable (the build tree, a
// portable copy) keeps everything there, the save file and the module too.
// An installed copy reads its data and module where the layout puts them
// and saves into the player's own data folder, since the installed folders
// belong to the system.
AppFolders resolveAppFolders(const QString& executableFolder, const InstalledLayout& installed,
                             const QString& playerDataFolder);

// One of the player's base folders by the XDG base-directory rules, from the
// value of its variable ($XDG_DATA_HOME, say), $HOME and the home that the
// password database gives: the variable when it holds an absolute path (a
// relative one is ignored), else underHome inside the home, which is $HOME
// when absolute, else the database's. Empty when there is no such home: the
// root of the file system is never taken for one.
QString xdgBaseFolder(const QString& variable, const QString& home, const QString& databaseHome,
                      const QString& underHome);

// The folders of this program, from where its executable lies and, when it
// is installed, the player's data folder (~/.local/share/mokopi). Needs the
// application object.
AppFolders appFolders();

// The player's cache folder for this program (~/.cache/mokopi), or empty.
QString playerCacheFolder();

// The program's name, version and desktop entry, set before anything asks
// for them.
void setApplicationIdentity();

}  // namespace mokopi::ui
