// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "media/picture_store.h"

namespace mokopi::ui {

namespace {

const QString ProgramName = QStringLiteral("mokopi");

QString asFolder(const QString& path) { return QDir::cleanPath(path) + QLatin1Char('/'); }

// An absolute path other than the root itself.
bool isUsableBase(const QString& path)
{
    return QDir::isAbsolutePath(path) && QDir::cleanPath(path) != QLatin1String("/");
}

// The home that the password database gives the user who runs the game.
QString databaseHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
}

QString playerFolder(const char* variable, const QString& underHome)
{
    const QString base =
        xdgBaseFolder(qEnvironmentVariable(variable), qEnvironmentVariable("HOME"), databaseHome(), underHome);
    return base.isEmpty() ? QString() : base + QLatin1Char('/') + ProgramName;
}

}  // namespace

AppFolders resolveAppFolders(const QString& executableFolder, const InstalledLayout& installed,
                             const QString& playerDataFolder)
{
    const QDir beside(executableFolder);
    if (media::holdsPictures(asFolder(executableFolder)))
        return {asFolder(executableFolder), asFolder(executableFolder), asFolder(executableFolder)};
    const QString save = playerDataFolder.isEmpty() ? QString() : asFolder(playerDataFolder);
    return {asFolder(beside.filePath(installed.dataFromExecutable)), save,
            asFolder(beside.filePath(installed.modulesFromExecutable))};
}

QString xdgBaseFolder(const QString& variable, const QString& home, const QString& databaseHome,
                      const QString& underHome)
{
    if (isUsableBase(variable))
        return QDir::cleanPath(variable);
    for (const QString& candidate : {home, databaseHome})
        if (isUsableBase(candidate))
            return QDir::cleanPath(candidate + QLatin1Char('/') + underHome);
    return {};
}

AppFolders appFolders()
{
    return resolveAppFolders(
        QCoreApplication::applicationDirPath(),
        {QStringLiteral(MOKOPI_DATA_FROM_EXECUTABLE), QStringLiteral(MOKOPI_MODULES_FROM_EXECUTABLE)},
        playerFolder("XDG_DATA_HOME", QStringLiteral(".local/share")));
}

QString playerCacheFolder() { return playerFolder("XDG_CACHE_HOME", QStringLiteral(".cache")); }

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(ProgramName);
    QCoreApplication::setApplicationVersion(QStringLiteral(MOKOPI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MOKOPI_DESKTOP_ID));
}

}  // namespace mokopi::ui
