// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/resource.h>

#include <QApplication>

#include <csignal>

#include "persist/save_codec.h"
#include "persist/save_file.h"
#include "persist/save_folder_lock.h"
#include "ui/run_game.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace media;
using namespace persist;

using SaveLoadTest = WindowTest;

TEST_F(SaveLoadTest, SaveWritesTheRecordAndLeavesPlayAloneAndLoadBringsItAllBackOrChangesNothing)
{
    start();
    session->game().load({"タマ", "ポチ", {40, 3, 80, 12}, 17, 5, {true, false, false, true}, true});
    session->game().IventStt("おはな");
    const auto menu = [&](const char* name) { return action(name)->trigger(), dialogs.boxes.last(); };
    const auto snapshot = [&] {
        return std::tuple(session->game().saveRecord(), state().Scene, shown(), text("LblStr"));
    };
    const auto saveFile = [&] { return std::get<std::string>(readSaveFile(path("mokopi.dat"))); };
    const auto before = snapshot();
    EXPECT_EQ(menu("mnuSAVE1"), "message: セーブファイルを読み込めませんでした。\n（セーブファイルがありません）");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(menu("mnuSAVE0"), "message: セーブしました");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(saveFile(), encodeSaveRecord(std::get<SaveRecord>(before)));

    // A file size limit fails the next save as a full disk would, also for root.
    state().OwnerName = "ミケ";
    const std::string old = saveFile();
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit tiny{8, saved.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);  // a failing write, not a killed program
    setrlimit(RLIMIT_FSIZE, &tiny);
    const QString failed = menu("mnuSAVE0");
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(failed, "message: セーブできませんでした。\n（ファイルの大きさの上限を超えます）");
    EXPECT_EQ(saveFile(), old);
    EXPECT_EQ(QDir(dir.path()).entryList({"mokopi.dat*"}, QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});

    for (int hour = 0; hour < 30; ++hour)
        session->game().Tim_Timer();
    session->game().IventStt("いもむし");
    EXPECT_EQ(menu("mnuSAVE1"), "message: ロードしました");
    EXPECT_EQ(session->game().saveRecord(), std::get<SaveRecord>(before));
    EXPECT_TRUE(state().Scene.isNone());
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuIVENT | cleared 0 3 | 500 ms running");
    EXPECT_EQ(text("LblStr") + " " + text("LblTimDay") + " " + text("LblDay"),
              "歌詩　　40\n舞踊　　3\n疲労　　80 17 5");

    // A game saved before the naming ended goes on with the naming.
    SaveRecord unnamed = std::get<SaveRecord>(before);
    unnamed.GameStarted = false;
    ASSERT_EQ(writeSaveFile(path("mokopi.dat"), encodeSaveRecord(unnamed)).index(), 0u);
    EXPECT_EQ(menu("mnuSAVE1"), "message: ロードしました");
    EXPECT_EQ(state().Scene, SceneValue("open"));
    EXPECT_FALSE(timer("Tim")->isActive());
}

// A second copy of the game started on the same save folder.
TEST(SaveFolderClaim, TheGameHoldsItsSaveFolderAndASecondCopyEndsWithoutAWindow)
{
    QTemporaryDir dir;
    writeFixturePictures(dir.path());
    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    FakeDialogs dialogs;
    bool heldWhileRunning = false;
    QTimer::singleShot(0, &app, [&] {
        heldWhileRunning = SaveFolderLock(dir.path()).heldElsewhere();
        QCoreApplication::quit();
    });
    ui::SessionOptions options;
    options.folders = {dir.path(), dir.path(), {}};
    EXPECT_EQ(ui::runGame(app, dialogs, options), 0);
    EXPECT_TRUE(heldWhileRunning);

    const SaveFolderLock first(dir.path());
    const QStringList files = QDir(dir.path()).entryList();
    QTimer closeAnyWindow;  // should the second copy start after all, its window closes again at once
    QObject::connect(&closeAnyWindow, &QTimer::timeout, &app, &QCoreApplication::quit);
    closeAnyWindow.start(0);
    dialogs.boxes.clear();
    EXPECT_EQ(ui::runGame(app, dialogs, options), ui::AlreadyRunningExitCode);
    EXPECT_EQ(dialogs.boxes,
              QStringList{"message: もこぴ育成はすでに起動しています。\n先に起動したほうで遊んでください。"});
    EXPECT_EQ(QDir(dir.path()).entryList(), files);
}

}  // namespace mokopi::testing
