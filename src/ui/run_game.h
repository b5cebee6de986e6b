// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/game_session.h"

class QApplication;

namespace mokopi::ui {

class Dialogs;

// Japanese buttons in Qt's own boxes and fonts that show Japanese text.
void prepareApplication(QApplication& app);

// Exit status of a copy started while another one uses the same save folder.
inline constexpr int AlreadyRunningExitCode = 3;

// Start-up of the real program: prepares the application, claims the save
// folder, creates the window and the session that runs the game in it (the
// game's start-up), shows the window and runs until the player quits
// (status 0) or a picture file fails (MissingPictureExitCode). A second copy
// on the same save folder says so and ends at once (AlreadyRunningExitCode).
int runGame(QApplication& app, Dialogs& dialogs, SessionOptions options);

}  // namespace mokopi::ui
