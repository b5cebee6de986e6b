// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game the way the program does, from wherever this probe is
// copied: the same name, the same folders and the real picture files. Then
// saves, changes the owner's name and loads, printing the folders, whether
// the sound module plays the sounds, every box and the owner's name at the
// end, for install_test.sh to check.
#include <QAction>
#include <QApplication>

#include <cstdio>

#include "game/game.h"
#include "media/sounds.h"
#include "ui/app_folders.h"
#include "ui/dialogs.h"
#include "ui/game_session.h"
#include "ui/main_window.h"

namespace {

struct PrintingDialogs final : mokopi::ui::Dialogs {
    void message(const QString&, const QString& text) override { say("message", text); }
    bool askYesNo(const QString&, const QString& text) override { return say("question", text), false; }
    QString askText(const QString&, const QString& prompt) override { return say("input", prompt), QString(); }
    void fatal(const QString&, const QString& text) override { say("fatal", text); }
    void about(const QString&, const QString& text) override { say("about", text); }
    static void say(const char* kind, const QString& text) { std::printf("%s: %s\n", kind, qPrintable(text)); }
};

}  // namespace

int main(int argc, char* argv[])
{
    mokopi::ui::setApplicationIdentity();
    QApplication app(argc, argv);
    const mokopi::ui::AppFolders folders = mokopi::ui::appFolders();
    std::printf("data: %s\nsave: %s\n", qPrintable(folders.data), qPrintable(folders.save));
    std::printf("sounds: %s\n",
                mokopi::media::openSounds(folders.data, folders.modules)->plays(0) ? "playing" : "silent");

    PrintingDialogs dialogs;
    int exitCode = 0;
    mokopi::ui::MainWindow window;
    mokopi::ui::GameSession session(window, dialogs, nullptr,
                                    {folders, [&exitCode](int code) { exitCode = code; }, {}});
    window.show();
    session.Form_Activate();
    if (!session.isRunning())
        return exitCode != 0 ? exitCode : 1;

    auto& owner = session.game().state().OwnerName;
    owner = "タマ";
    window.findChild<QAction*>(QStringLiteral("mnuSAVE0"))->trigger();
    owner = "ミケ";
    window.findChild<QAction*>(QStringLiteral("mnuSAVE1"))->trigger();
    std::printf("owner: %s\n", owner.c_str());
    return 0;
}
