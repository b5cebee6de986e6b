// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/weston_screen.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

#include "support/wait.h"

namespace mokopi::e2e {

namespace {

const QString Socket = QStringLiteral("wayland-mokopi-test");

}  // namespace

WestonScreen::WestonScreen()
{
    QFile config(runtime_.filePath("weston.ini"));
    if (!config.open(QIODevice::WriteOnly)
        || config.write(QStringLiteral("[core]\nidle-time=0\n[shell]\nbackground-color=0xff%1\npanel-position=none\n")
                            .arg(Desktop.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                            .toLatin1())
            < 0)
        throw std::runtime_error("cannot write weston.ini");
    config.close();
    // --debug lets weston-screenshooter read the screen; pixman draws on the CPU.
    compositor_ = startProgram("weston",
                               {"--backend=headless-backend.so", "--use-pixman", "--width=1024", "--height=768",
                                "--socket=" + Socket, "--config=" + config.fileName(), "--debug"},
                               environment(), runtime_.filePath("weston.log"));
    waitUntil("weston's desktop", [this] {
        if (!QFile::exists(runtime_.filePath(Socket)))
            return false;
        const QImage screen = grab();
        return !screen.isNull() && screen.pixelColor(screen.width() / 2, screen.height() / 2) == Desktop;
    });
}

QProcessEnvironment WestonScreen::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_SOCKET");
    environment.insert("WAYLAND_DISPLAY", Socket);
    environment.insert("XDG_RUNTIME_DIR", runtime_.path());
    return environment;
}

QImage WestonScreen::grab() const
{
    // The screenshooter writes wayland-screenshot-<time>.png into its working folder.
    QTemporaryDir shots;
    QProcess shooter;
    shooter.setProcessEnvironment(environment());
    shooter.setWorkingDirectory(shots.path());
    shooter.start("weston-screenshooter", {});
    if (!shooter.waitForFinished(static_cast<int>(PatientWait.count())) || shooter.exitCode() != 0)
        return {};
    const QStringList files = QDir(shots.path()).entryList({"*.png"});
    return files.isEmpty() ? QImage() : QImage(shots.filePath(files.constFirst()));
}

}  // namespace mokopi::e2e
