// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/save_commands.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>
#include <variant>

#include "game/game.h"
#include "persist/file_causes.h"
#include "persist/save_codec.h"
#include "persist/save_file.h"
#include "persist/save_folder_lock.h"
#include "ui/dialogs.h"
#include "ui/help_text.h"

namespace mokopi::ui {

using namespace persist;

namespace {

QString words(const char* text) { return QCoreApplication::translate("Save and load", text); }

// A cause of the save file in the player's language; one that ends in an
// error number keeps the number.
QString translatedCause(const std::string& cause)
{
    const std::size_t label = cause.find(ErrorNumberLabel);
    if (label == std::string::npos)
        return QCoreApplication::translate(SaveFileContext, cause.c_str());
    return QCoreApplication::translate(SaveFileContext, cause.substr(0, label).c_str())
        + QCoreApplication::translate(SaveFileContext, ErrorNumberLabel)
        + QString::fromStdString(cause.substr(label + std::strlen(ErrorNumberLabel)));
}

QString refusal(const char* what, const QString& cause)
{
    //: What failed, then why.
    return words(QT_TRANSLATE_NOOP("Save and load", "%1\n（%2）")).arg(words(what), cause);
}

QString refusal(const char* what, const std::string& cause) { return refusal(what, translatedCause(cause)); }

// A player with no home folder has no place of their own for a save.
QString noSaveFolder()
{
    return words(QT_TRANSLATE_NOOP("Save and load", "ホームフォルダーがないため、保存先がありません"));
}

}  // namespace

void saveGame(const game::Game& game, Dialogs& dialogs, const QString& saveFolder)
{
    constexpr const char* NotSaved = QT_TRANSLATE_NOOP("Save and load", "セーブできませんでした。");
    if (saveFolder.isEmpty()) {
        dialogs.message(applicationTitle(), refusal(NotSaved, noSaveFolder()));
        return;
    }
    // A folder that cannot be made fails the write below, which says so.
    QDir().mkpath(saveFolder);
    const auto written = writeSaveFile(saveFolder + QLatin1String(SaveFileName), encodeSaveRecord(game.saveRecord()));
    if (const auto* error = std::get_if<FileError>(&written)) {
        dialogs.message(applicationTitle(), refusal(NotSaved, error->reason));
        return;
    }
    dialogs.message(applicationTitle(), words(QT_TRANSLATE_NOOP("Save and load", "セーブしました")));
}

void loadGame(game::Game& game, Dialogs& dialogs, const QString& saveFolder)
{
    constexpr const char* NotLoaded = QT_TRANSLATE_NOOP("Save and load", "セーブファイルを読み込めませんでした。");
    if (saveFolder.isEmpty()) {
        dialogs.message(applicationTitle(), refusal(NotLoaded, noSaveFolder()));
        return;
    }
    const auto bytes = readSaveFile(saveFolder + QLatin1String(SaveFileName));
    if (const auto* error = std::get_if<FileError>(&bytes)) {
        dialogs.message(applicationTitle(), refusal(NotLoaded, error->reason));
        return;
    }
    const auto record = decodeSaveRecord(std::get<std::string>(bytes));
    if (const auto* error = std::get_if<DecodeError>(&record)) {
        dialogs.message(applicationTitle(), refusal(NotLoaded, error->reason));
        return;
    }
    game.load(std::get<game::SaveRecord>(record));
}

std::unique_ptr<persist::SaveFolderLock> claimSaveFolder(const QString& saveFolder, Dialogs& dialogs)
{
    if (!saveFolder.isEmpty())
        QDir().mkpath(saveFolder);
    auto lock = std::make_unique<SaveFolderLock>(saveFolder);
    if (!lock->heldElsewhere())
        return lock;
    dialogs.message(applicationTitle(),
                    words(QT_TRANSLATE_NOOP("Save and load",
                                            "もこぴ育成はすでに起動しています。\n先に起動したほうで遊んでください。")));
    return nullptr;
}

}  // namespace mokopi::ui
