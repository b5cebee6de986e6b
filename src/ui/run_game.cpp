// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/run_game.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "persist/save_folder_lock.h"
#include "ui/app_icon.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/save_commands.h"

namespace mokopi::ui {

void prepareApplication(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;

    // Menus and boxes are Japanese too.
    app.setFont(inDesignFamily(app.font(), GothicFamily));
}

int runGame(QApplication& app, Dialogs& dialogs, SessionOptions options)
{
    prepareApplication(app);
    const auto saveFolderLock = claimSaveFolder(options.folders.save, dialogs);
    if (!saveFolderLock)
        return AlreadyRunningExitCode;
    MainWindow window;
    window.setWindowIcon(applicationIcon(options.folders.data));
    if (auto* real = dynamic_cast<QtDialogs*>(&dialogs))
        real->setParent(&window);
    GameSession session(window, dialogs, nullptr, std::move(options));
    window.show();
    return app.exec();
}

}  // namespace mokopi::ui
