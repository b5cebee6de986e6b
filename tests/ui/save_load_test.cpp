#include <sys/resource.h>

#include <csignal>
#include <random>

#include <QFile>

#include "persist/save_codec.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {
namespace {

class SaveLoadTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        startAndActivate();
        dialogs.textAnswers = {QStringLiteral("タマ"), QStringLiteral("ポチ")};
        playToRunningClock();
        state().Status = {40, 3, 80, 12};
        state().Hour = 17;
        state().Day = 5;
        state().EndingCleared[0] = state().EndingCleared[3] = true;
        window->game().Hyouji();
    }

    QByteArray saveFile() const
    {
        QFile file(path("mokopi.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeSaveFile(const QByteArray& bytes)
    {
        QFile file(path("mokopi.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QString lastMessage() const { return dialogs.messages.empty() ? QString() : dialogs.messages.back().text; }

    // Everything a refused load must leave as it was.
    struct Snapshot {
        SaveRecord record;
        SceneValue scene;
        std::uint8_t page;
        bool clock;
        QString speech;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot()
    {
        return {window->game().saveRecord(), state().Scene, state().Page, timer("Tim")->isActive(), speech()->text()};
    }
};

TEST_F(SaveLoadTest, SavingWritesTheRecordAndLeavesTheSceneRunning)
{
    window->game().IventStt("おはな");
    action(QStringLiteral("mnuSAVE0"))->trigger();

    EXPECT_EQ(saveFile().toStdString(), encodeSaveRecord(window->game().saveRecord()));
    EXPECT_TRUE(saveFile().startsWith(QByteArray("\"\x83\x5E\x83\x7D\",\"\x83\x7C\x83\x60\",12,40,3,80,17,5,#TRUE#")));
    EXPECT_EQ(lastMessage(), QStringLiteral("セーブしました"));
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("もこぴ育成"));
    EXPECT_EQ(state().Scene, SceneValue("おはな"));
    EXPECT_FALSE(timer("Tim")->isActive());
}

TEST_F(SaveLoadTest, LoadingBringsBackTheSavedGameAndShowsIt)
{
    action(QStringLiteral("mnuSAVE0"))->trigger();
    const SaveRecord saved = window->game().saveRecord();
    for (int hour = 0; hour < 30; ++hour)
        window->game().Tim_Timer();
    window->game().IventStt("いもむし");

    action(QStringLiteral("mnuSAVE1"))->trigger();

    EXPECT_EQ(window->game().saveRecord(), saved);
    EXPECT_TRUE(state().Scene.isNone());
    EXPECT_TRUE(timer("Tim")->isActive());
    EXPECT_EQ(lastMessage(), QStringLiteral("ロードしました"));
    EXPECT_EQ(label("LblStr")->text(), QStringLiteral("歌詩　　40\n舞踊　　3\n疲労　　80"));
    EXPECT_EQ(label("LblTimDay")->text(), QStringLiteral("17"));
    EXPECT_EQ(label("LblDay")->text(), QStringLiteral("5"));
    EXPECT_TRUE(action(QStringLiteral("mnuEnding3"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("mnuEnding4"))->isEnabled());
}

TEST_F(SaveLoadTest, ARefusedLoadSaysWhyAndChangesNothing)
{
    window->game().IventStt("うたをおくる");
    const Snapshot before = snapshot();

    action(QStringLiteral("mnuSAVE1"))->trigger();  // no file yet
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("セーブファイルを読み込めませんでした。")));
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("ありません")));
    EXPECT_EQ(snapshot(), before);

    writeSaveFile("\"a\",\"b\",1,2,3");
    action(QStringLiteral("mnuSAVE1"))->trigger();
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("セーブファイルを読み込めませんでした。")));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(SaveLoadTest, DamagedFilesAreLoadedWholeOrRefusedWhole)
{
    action(QStringLiteral("mnuSAVE0"))->trigger();
    const QByteArray good = saveFile();
    std::mt19937 random(20261206);
    std::vector<QByteArray> damaged;
    for (int length = 0; length < good.size(); ++length)
        damaged.push_back(good.left(length));
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes = good;
        for (int edits = 1 + random() % 3; edits > 0; --edits)
            bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        damaged.push_back(bytes);
    }

    int loaded = 0;
    for (const QByteArray& bytes : damaged) {
        window->game().IventStt("おはな");
        const Snapshot before = snapshot();
        const std::size_t messages = dialogs.messages.size();
        writeSaveFile(bytes);

        action(QStringLiteral("mnuSAVE1"))->trigger();

        ASSERT_EQ(dialogs.messages.size(), messages + 1);
        if (lastMessage() == QStringLiteral("ロードしました")) {
            ++loaded;
            EXPECT_TRUE(state().Scene.isNone() || state().Scene == SceneValue("open"));
        } else {
            ASSERT_EQ(snapshot(), before) << bytes.toHex().toStdString();
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, static_cast<int>(damaged.size()));
}

TEST_F(SaveLoadTest, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    action(QStringLiteral("mnuSAVE0"))->trigger();
    const QByteArray old = saveFile();
    state().OwnerName = "ミケ";

    // A file size limit fails the write as a full disk would, also for root.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    action(QStringLiteral("mnuSAVE0"))->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);

    EXPECT_EQ(saveFile(), old);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("セーブできませんでした。")));
}

}  // namespace
}  // namespace mokopi::testing
