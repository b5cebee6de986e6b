// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own start-up, as the program runs it, timed to the first frame
// that shows the title picture. In memory mode it then plays: through the
// title and the naming (names cancelled: the default ones) into the running
// clock, and reports VmRSS after a while of play.
//   startup_game time | memory  APP_FOLDER
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "first_paint.h"
#include "game/game.h"
#include "ui/dialogs.h"
#include "ui/game_session.h"
#include "ui/main_window.h"
#include "ui/run_game.h"

namespace {

using namespace mokopi;
using namespace mokopi::game;

// Cancels every question; a fatal box is printed instead of shown.
struct SilentDialogs final : ui::Dialogs {
    void message(const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    QString askText(const QString&, const QString&) override { return {}; }
    void fatal(const QString&, const QString& text) override { std::printf("fatal %s\n", qPrintable(text)); }
    void about(const QString&, const QString&) override {}
};

void playUntilTheClockRuns(Game& game)
{
    for (int click = 0; click < 50 && !game.state().clockRunning; ++click) {
        game.Lbl_MouseDown(1);
        game.Lbl_Click();
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool memory = argc > 1 && QByteArray(argv[1]) == "memory";
    const QString appFolder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    SilentDialogs dialogs;
    ui::prepareApplication(app, dialogs, appFolder);
    ui::MainWindow window;
    ui::GameSession session(window, dialogs, std::make_unique<ClockSeededRandom>(20240601),
                            ui::SessionOptions{{appFolder, appFolder}, {}, {}});
    QWidget* pet = window.findChild<QWidget*>(QStringLiteral("IMG"));
    bench::FirstPaintReporter reporter([&](QObject* watched) { return watched == pet && session.isRunning(); },
                                       [&, memory] {
                                           if (!memory)
                                               return QCoreApplication::exit(0);
                                           std::printf("pet %d %d %g\n", pet->width(), pet->height(),
                                                       pet->devicePixelRatioF());
                                           playUntilTheClockRuns(session.game());
                                           QTimer::singleShot(bench::PlayMs, &bench::reportMemoryAndQuit);
                                       });
    window.show();
    return app.exec();
}
