// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/save_folder_lock.h"
#include "ui/app_folders.h"
#include "ui/save_commands.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {
namespace {

TEST(AppFolders, ThePlayersFoldersFollowTheXdgRulesAndNeverLieAtTheRoot)
{
    struct Case {
        const char *variable, *home, *databaseHome, *folder;
    };
    const Case cases[] = {
        {"/srv/data/", "/home/tama", "/home/db", "/srv/data"},
        {"data", "/home/tama", "/home/db", "/home/tama/.local/share"},  // relative: ignored
        {"", "/home/tama", "/home/db", "/home/tama/.local/share"},
        {"", "", "/home/db", "/home/db/.local/share"},  // no $HOME
        {"", "tama", "/home/db", "/home/db/.local/share"},
        {"/", "/", "/home/db", "/home/db/.local/share"},
        {"", "", "/", ""},
        {"", "", "", ""},
    };
    for (const auto& [variable, home, databaseHome, folder] : cases)
        EXPECT_EQ(ui::xdgBaseFolder(variable, home, databaseHome, ".local/share"), folder) << variable << " " << home;

    // An installed copy (no pictures beside it) with no home has no save folder; a portable one keeps its own.
    // The sound module lies beside a portable copy, and where the layout puts it for an installed one.
    QTemporaryDir bare, portable;
    writeFixturePictures(portable.path());
    EXPECT_EQ(ui::resolveAppFolders(bare.path(), {"../data", "../lib"}, "").save, "");
    EXPECT_EQ(ui::resolveAppFolders(bare.path(), {"../data", "../lib"}, "/home/tama/.local/share/mokopi").save,
              "/home/tama/.local/share/mokopi/");
    EXPECT_EQ(ui::resolveAppFolders(portable.path(), {"../data", "../lib"}, "").save, portable.path() + "/");
    EXPECT_EQ(ui::resolveAppFolders(portable.path(), {"../data", "../lib"}, "").modules, portable.path() + "/");
    EXPECT_EQ(ui::resolveAppFolders(bare.path(), {"../data", "../lib"}, "").modules,
              QDir::cleanPath(bare.path() + "/../lib") + "/");
}

using NoSaveFolderTest = WindowTest;

// With no save folder, nothing is written anywhere, the working folder least of all.
TEST_F(NoSaveFolderTest, WithNoSaveFolderTheGameRunsAndSavesAndLoadsSayThereIsNowhereToSave)
{
    QTemporaryDir working;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(working.path()));
    window = std::make_unique<ui::MainWindow>(768);
    session = std::make_unique<ui::GameSession>(*window, dialogs, std::make_unique<ClockSeededRandom>(7),
                                                ui::SessionOptions{{dir.path(), {}, {}}, {}, path("cache")});
    const auto claim = ui::claimSaveFolder({}, dialogs);
    ASSERT_NE(claim, nullptr);
    window->show();
    session->Form_Activate();
    action("mnuSAVE0")->trigger();
    action("mnuSAVE1")->trigger();
    QDir::setCurrent(before);
    EXPECT_EQ(dialogs.boxes,
              QStringList({"message: セーブできませんでした。\n（ホームフォルダーがないため、保存先がありません）",
                           "message: セーブファイルを読み込めませんでした。\n（ホームフォルダーがないため、"
                           "保存先がありません）"}));
    EXPECT_EQ(QDir(working.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

}  // namespace
}  // namespace mokopi::testing
