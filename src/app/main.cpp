// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "app/command_line.h"
#include "ui/app_folders.h"
#include "ui/dialogs.h"
#include "ui/run_game.h"

int main(int argc, char* argv[])
{
    mokopi::ui::setApplicationIdentity();
    mokopi::app::answerInformationOptions(argc, argv);
    QApplication app(argc, argv);
    const auto language = mokopi::app::readArguments(app);
    mokopi::ui::SessionOptions options;
    options.folders = mokopi::ui::appFolders();
    mokopi::ui::QtDialogs dialogs;
    return mokopi::ui::runGame(app, dialogs, std::move(options), language);
}
