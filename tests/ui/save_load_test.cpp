#include <sys/resource.h>

#include <csignal>
#include <random>

#include "persist/save_codec.h"
#include "persist/save_file.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

struct SaveLoadTest : WindowTest {
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        window->game().load({"タマ", "ポチ", {40, 3, 80, 12}, 17, 5, {true, false, false, true}, true});
        window->game().IventStt("おはな");
    }
    std::string saveFile() const { return std::get<std::string>(readSaveFile(path("mokopi.dat"))); }
    QString menu(const char* name) { return action(name)->trigger(), dialogs.boxes.last(); }
    // What a save or a refused load leaves as it was: values, names, scene, marks and clock.
    auto snapshot() { return std::tuple(window->game().saveRecord(), state().Scene, shown(), text("LblStr")); }
};

TEST_F(SaveLoadTest, SaveWritesTheRecordAndLeavesPlayAloneAndLoadBringsItAllBack)
{
    const auto before = snapshot();
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
    EXPECT_TRUE(failed.startsWith("message: セーブできませんでした。")) << failed.toStdString();
    EXPECT_EQ(saveFile(), old);
    EXPECT_EQ(QDir(dir.path()).entryList({"mokopi.dat*"}, QDir::Files | QDir::Hidden), QStringList{"mokopi.dat"});

    for (int hour = 0; hour < 30; ++hour)
        window->game().Tim_Timer();
    window->game().IventStt("いもむし");
    EXPECT_EQ(menu("mnuSAVE1"), "message: ロードしました");
    EXPECT_EQ(window->game().saveRecord(), std::get<SaveRecord>(before));
    EXPECT_TRUE(state().Scene.isNone());
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuIVENT | cleared 0 3 | 500 ms running");
    EXPECT_EQ(text("LblStr") + " " + text("LblTimDay") + " " + text("LblDay"), "歌詩　　40\n舞踊　　3\n疲労　　80 17 5");
}

TEST_F(SaveLoadTest, AnyFileIsLoadedWholeOrRefusedWholeSayingWhy)
{
    const auto before = snapshot();
    EXPECT_EQ(menu("mnuSAVE1"), "message: セーブファイルを読み込めませんでした。\n（セーブファイルがありません）");
    EXPECT_EQ(snapshot(), before);

    menu("mnuSAVE0");
    const std::string good = saveFile();
    std::mt19937 random(20261206);
    int loaded = 0;
    for (std::size_t i = 0; i < good.size() + 2000; ++i) {
        std::string bytes = good.substr(0, i);  // every truncation, then seeded edits
        for (int edits = i < good.size() ? 0 : 1 + random() % 3; edits > 0; --edits)
            bytes[random() % good.size()] = static_cast<char>(random() % 256);
        window->game().IventStt("おはな");
        const auto was = snapshot();
        QFile file(path("mokopi.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
        file.close();
        const QString said = menu("mnuSAVE1");
        const auto decoded = decodeSaveRecord(bytes);
        const auto* record = std::get_if<SaveRecord>(&decoded);
        // No cut-off file passes for a record: its last field is a mark.
        EXPECT_TRUE(i >= good.size() || (record != nullptr) == (i + 2 >= good.size())) << i;
        loaded += record != nullptr;
        const QString why = record ? "" : QString::fromStdString(std::get<DecodeError>(decoded).reason);
        ASSERT_EQ(said, record ? "message: ロードしました" : "message: セーブファイルを読み込めませんでした。\n（" + why + "）");
        ASSERT_TRUE(record ? window->game().saveRecord() == *record : snapshot() == was) << i;
    }
    EXPECT_TRUE(loaded > 20 && loaded < 1900) << loaded;  // both outcomes, or the check means little
}

}  // namespace mokopi::testing
