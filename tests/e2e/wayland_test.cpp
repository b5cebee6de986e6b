// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>

#include <iostream>

#include "support/picture_likeness.h"
#include "support/weston_screen.h"

namespace mokopi::e2e {
namespace {

// What a program has drawn on the plain desktop.
QRect drawnArea(const QImage& screen)
{
    QRect drawn;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (screen.pixelColor(x, y) != WestonScreen::Desktop)
                drawn |= QRect(x, y, 1, 1);
    return drawn;
}

// The pet area of the game's window: the left eight of its ten columns and
// the top eight of its ten rows, below the title bar and the menu bar, which
// are grey; the first coloured row in the right column is the top of the
// first command button.
QRect petArea(const QImage& screen, const QRect& window)
{
    for (int y = window.top(); y < window.bottom(); ++y)
        if (screen.pixelColor(window.right() - 5, y).saturation() > 24)
            return QRect(window.left(), y, window.width() * 8 / 10, (window.bottom() - y) * 8 / 10);
    return {};
}

// A session with Wayland alone, as on a desktop without Xwayland: Qt must
// choose its Wayland plugin by itself, and the title must reach the screen.
TEST(WaylandTest, WithNoXDisplayTheGameOpensItsWindowOnWaylandAndDrawsItsTitle)
{
    QTemporaryDir app, run;
    copyBuiltGame(app.path());
    const WestonScreen screen;
    QProcessEnvironment environment = screen.environment();
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    environment.insert("XDG_CACHE_HOME", run.filePath("cache"));
    environment.insert("PULSE_SERVER", "unix:" + run.filePath("none"));
    const Program game = startProgram(app.filePath("mokopi"), {}, environment, run.filePath("mokopi.log"));

    const PictureLikeness pictures(app.path());
    std::string shown = "nothing";
    try {
        waitUntil("the title in the game's window", [&] {
            if (game->waitForFinished(0) || game->state() == QProcess::NotRunning)
                throw std::runtime_error("the game ended");
            const QImage shot = screen.grab();
            const QRect pet = shot.isNull() ? QRect() : petArea(shot, drawnArea(shot));
            shown = pet.width() < 100 ? "nothing" : pictures.nearest(shot.copy(pet.adjusted(6, 6, -6, -6)));
            return shown == "stt.bmp";
        });
    } catch (const std::exception& error) {
        QFile log(run.filePath("mokopi.log"));
        log.open(QIODevice::ReadOnly);
        FAIL() << error.what() << "; the pet area showed " << shown << "; the game printed:\n"
               << log.readAll().toStdString();
    }
    EXPECT_EQ(game->state(), QProcess::Running);
}

}  // namespace
}  // namespace mokopi::e2e
