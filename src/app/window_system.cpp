// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_system.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace mokopi::app {

namespace {

struct WindowSystem {
    const char* name;
    const char* displayVariable;
    const char* pluginFile;
    const char* package;
};
constexpr WindowSystem WindowSystems[] = {
    {"Wayland", "WAYLAND_DISPLAY", "libqwayland-generic.so", "qt6-wayland"},
    {"X11", "DISPLAY", "libqxcb.so", "libqt6gui6"},
};

QtMessageHandler qtsOwnHandler = nullptr;
QString requestedPlatform;  // by -platform or QT_QPA_PLATFORM

bool pluginInstalled(const WindowSystem& system)
{
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/")
                         + QLatin1String(system.pluginFile));
}

QString whyNot(const WindowSystem& system)
{
    const QString display = qEnvironmentVariable(system.displayVariable);
    if (!pluginInstalled(system))
        return QStringLiteral("Qt's support for it is not installed (Debian package %1)")
            .arg(QLatin1String(system.package));
    if (display.isEmpty())
        return QStringLiteral("%1 is not set").arg(QLatin1String(system.displayVariable));
    return QStringLiteral("nothing answered at %1=%2").arg(QLatin1String(system.displayVariable), display);
}

QString report()
{
    QString text = QStringLiteral("%1: no window system could be opened for the game's window.\n")
                       .arg(QCoreApplication::applicationName());
    if (!requestedPlatform.isEmpty())
        text += QStringLiteral("  Qt was asked for the platform '%1' (-platform or QT_QPA_PLATFORM).\n")
                    .arg(requestedPlatform);
    for (const WindowSystem& system : WindowSystems)
        text += QStringLiteral("  %1: %2.\n").arg(QLatin1String(system.name), whyNot(system));
    text += QStringLiteral("Start the game inside a desktop session (Wayland or X11).\n");
    return text;
}

// Qt's end for a window system that does not open is a fatal message; every
// other message goes where it always goes.
void sayWhenNoWindowSystemOpens(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg)
        return qtsOwnHandler(type, context, message);
    std::fputs(report().toLocal8Bit().constData(), stderr);
    // Nothing has been made that needs an orderly end, and Qt is half-built.
    std::_Exit(NoWindowSystemExitCode);
}

QString platformAskedFor(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

}  // namespace

std::unique_ptr<QApplication> openWindowSystem(int& argc, char* argv[])
{
    requestedPlatform = platformAskedFor(argc, argv);
    qtsOwnHandler = qInstallMessageHandler(sayWhenNoWindowSystemOpens);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtsOwnHandler);
    return app;
}

}  // namespace mokopi::app
