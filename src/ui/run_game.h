#pragma once

#include "ui/main_window.h"

class QApplication;

namespace mokopi::ui {

class Dialogs;

// Japanese buttons in Qt's own boxes and fonts that show Japanese text.
void prepareApplication(QApplication& app);

// Start-up of the real program: prepares the application, creates the window
// (which runs the game's start-up), shows it and runs until the player quits
// (status 0) or a picture file fails (MissingPictureExitCode).
int runGame(QApplication& app, Dialogs& dialogs, WindowOptions options);

}  // namespace mokopi::ui
