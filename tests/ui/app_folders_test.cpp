#include "ui/app_folders.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

TEST(AppFolders, ACopyWithItsPicturesKeepsEverythingBesideAnInstalledOneSavesForThePlayer)
{
    QTemporaryDir prefix;
    const QString games = prefix.filePath("games"), home = prefix.filePath("home/.local/share/mokopi");
    ASSERT_TRUE(QDir().mkpath(games));
    const auto resolved = [&] {
        const ui::AppFolders f = ui::resolveAppFolders(games, "../share/games/mokopi", home);
        return f.data + " | " + f.save;
    };
    EXPECT_EQ(resolved(), prefix.filePath("share/games/mokopi/") + " | " + home + "/");
    writeFixturePictures(games);
    EXPECT_EQ(resolved(), games + "/ | " + games + "/");
}

TEST(AppFolders, TheWindowReadsTheDataFolderAndMakesTheSaveFolderAtTheFirstSave)
{
    QTemporaryDir data, home;
    writeFixturePictures(data.path());
    const QString save = home.filePath(".local/share/mokopi");
    FakeDialogs dialogs;
    ui::MainWindow window(dialogs, std::make_unique<ClockSeededRandom>(7), {{data.path(), save}, 768, [](int) {}, home.filePath("cache")});
    window.show();
    window.Form_Activate();
    ASSERT_TRUE(window.isRunning()) << qPrintable(dialogs.boxes.join('\n'));

    window.game().state().OwnerName = "タマ";
    window.findChild<QAction*>("mnuSAVE0")->trigger();
    EXPECT_TRUE(QFile::exists(save + "/mokopi.dat"));
    EXPECT_FALSE(QFile::exists(data.filePath("mokopi.dat")));
    window.game().state().OwnerName = "ミケ";
    window.findChild<QAction*>("mnuSAVE1")->trigger();
    EXPECT_EQ(window.game().state().OwnerName, "タマ");
    EXPECT_EQ(dialogs.boxes, QStringList({"message: セーブしました", "message: ロードしました"}));
}

}  // namespace mokopi::testing
