// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

#include "media/picture_store.h"

namespace mokopi::ui {

namespace {

QString asFolder(const QString& path) { return QDir::cleanPath(path) + QLatin1Char('/'); }

}  // namespace

AppFolders resolveAppFolders(const QString& executableFolder, const QString& dataFromExecutable,
                             const QString& playerDataFolder)
{
    const QDir beside(executableFolder);
    if (media::holdsPictures(asFolder(executableFolder)))
        return {asFolder(executableFolder), asFolder(executableFolder)};
    return {asFolder(beside.filePath(dataFromExecutable)), asFolder(playerDataFolder)};
}

AppFolders appFolders()
{
    return resolveAppFolders(QCoreApplication::applicationDirPath(), QStringLiteral(MOKOPI_DATA_FROM_EXECUTABLE),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("mokopi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOKOPI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MOKOPI_DESKTOP_ID));
}

}  // namespace mokopi::ui
