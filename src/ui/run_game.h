// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "ui/game_session.h"
#include "ui/language.h"

class QApplication;

namespace mokopi::ui {

class Dialogs;
class Menus;

// The application's fonts and language, before any window. The installed
// Japanese fonts stand in for the design's; the language is the one asked
// for, else the one kept from the language menu, else the system's. With no
// Japanese font at all Japanese cannot be read: a message in both languages
// names the packages that bring one, and the game goes on in English. The
// catalogues are read from the data folder; the returned translations live
// as long as `app`.
Translations& prepareApplication(QApplication& app, Dialogs& dialogs, const QString& dataFolder,
                                 std::optional<Language> asked = std::nullopt);

// The language menu switches `translations` at once and keeps the choice
// for the next start.
void connectLanguageMenu(Menus& menus, Translations& translations);

// Exit status of a copy started while another one uses the same save folder.
inline constexpr int AlreadyRunningExitCode = 3;

// Start-up of the real program: prepares the application, claims the save
// folder, creates the window and the session that runs the game in it (the
// game's start-up), shows the window and runs until the player quits
// (status 0) or a picture file fails (MissingPictureExitCode). A second copy
// on the same save folder says so and ends at once (AlreadyRunningExitCode).
int runGame(QApplication& app, Dialogs& dialogs, SessionOptions options, std::optional<Language> asked = std::nullopt);

}  // namespace mokopi::ui
