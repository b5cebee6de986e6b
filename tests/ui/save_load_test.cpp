#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <csignal>
#include <random>

#include "persist/save_codec.h"
#include "persist/save_file.h"
#include "persist/save_folder_lock.h"
#include "ui/run_game.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

namespace {

const QString NotLoaded = "message: セーブファイルを読み込めませんでした。\n（";

bool isControl(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }

// The record as the file format describes it, read with Qt's converters and a
// regular expression: a judge for the game's decoder that shares no code
// with it. Null for a file the game must refuse.
std::optional<SaveRecord> referenceRead(const std::string& bytes)
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    // Stateless: a character cut off at the end of the file is an error, not
    // the start of more input.
    constexpr auto WholeText = QStringDecoder::Flag::Stateless;
    QStringDecoder utf8(QStringDecoder::Utf8, WholeText);  // drops a byte order mark
    QString text = utf8.decode(raw);
    const bool isUtf8 = !utf8.hasError() && std::any_of(raw.begin(), raw.end(), [](char c) { return c & 0x80; });
    if (!isUtf8) {
        QStringDecoder cp932("windows-31j", WholeText);
        text = cp932.decode(raw);
        if (cp932.hasError())
            return std::nullopt;
    }
    static const QRegularExpression line(R"re(^"([^"]*)","([^"]*)",(-?[0-9]+),(-?[0-9]+),(-?[0-9]+),(-?[0-9]+),)re"
                                         R"re((-?[0-9]+),(-?[0-9]+)((?:,#(?:TRUE|FALSE)#){10})(?:[\r\n][ \t\r\n]*)?\z)re");
    const QRegularExpressionMatch field = line.match(text);
    if (!field.hasMatch())
        return std::nullopt;
    SaveRecord record;
    for (const int n : {1, 2}) {
        const QString name = field.captured(n);
        if (std::any_of(name.begin(), name.end(), isControl))
            return std::nullopt;
        // Only a name that code page 932 gives back unchanged can be saved again.
        QStringEncoder toCp932("windows-31j");
        const QByteArray encoded = toCp932.encode(name);
        if (toCp932.hasError() || QStringDecoder("windows-31j").decode(encoded) != name)
            return std::nullopt;
        (n == 1 ? record.OwnerName : record.PetName) = name.toStdString();
    }
    const auto number = [&](int n, int lowest, int highest) {
        bool ok = false;
        const int value = field.captured(n).toInt(&ok);
        return ok && value >= lowest && value <= highest ? std::optional(value) : std::nullopt;
    };
    for (const int n : {3, 4, 5, 6, 7})
        if (!number(n, -32768, 32767))
            return std::nullopt;
    if (!number(8, 0, 255))
        return std::nullopt;
    record.Status = {std::int16_t(*number(4, -32768, 32767)), std::int16_t(*number(5, -32768, 32767)),
        std::int16_t(*number(6, -32768, 32767)), std::int16_t(*number(3, -32768, 32767))};
    record.Hour = std::int16_t(*number(7, -32768, 32767));
    record.Day = std::uint8_t(*number(8, 0, 255));
    const QStringList marks = field.captured(9).split(',', Qt::SkipEmptyParts);
    for (int i = 0; i < 9; ++i)
        record.EndingCleared[i] = marks[i] == "#TRUE#";
    record.GameStarted = marks[9] == "#TRUE#";
    return record;
}

}  // namespace

struct SaveLoadTest : WindowTest {
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        window->game().load({"タマ", "ポチ", {40, 3, 80, 12}, 17, 5, {true, false, false, true}, true});
        window->game().IventStt("おはな");
    }
    std::string saveFile() const { return std::get<std::string>(readSaveFile(path("mokopi.dat"))); }
    void writeSaveFile(const std::string& bytes)
    {
        QFile file(path("mokopi.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    }
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
    EXPECT_EQ(failed, "message: セーブできませんでした。\n（ファイルの大きさの上限を超えます）");
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

// Every cut of a saved file and of its UTF-8 edit, then seeded byte edits of
// both: the game loads exactly what the reference reader reads, and refuses
// the rest without changing anything.
TEST_F(SaveLoadTest, AnyFileIsLoadedWholeOrRefusedWholeSayingWhy)
{
    const auto before = snapshot();
    EXPECT_EQ(menu("mnuSAVE1"), NotLoaded + "セーブファイルがありません）");
    EXPECT_EQ(snapshot(), before);

    menu("mnuSAVE0");
    const std::string saved = saveFile();
    const QString text = QStringDecoder("windows-31j").decode(QByteArray::fromStdString(saved));
    const std::string edited = "\xEF\xBB\xBF" + text.toStdString();
    std::mt19937 random(20261206);
    int loaded = 0;
    for (std::size_t i = 0; i < 3000; ++i) {
        const std::string& good = i % 2 ? saved : edited;
        const std::size_t cut = i / 2;
        std::string bytes = good.substr(0, cut);
        for (int edits = cut < good.size() ? 0 : 1 + random() % 3; edits > 0; --edits)
            bytes[random() % good.size()] = static_cast<char>(random() % 256);
        window->game().IventStt("おはな");
        const auto was = snapshot();
        writeSaveFile(bytes);
        const QString said = menu("mnuSAVE1");
        const std::optional<SaveRecord> record = referenceRead(bytes);
        loaded += record.has_value();
        if (record) {
            ASSERT_EQ(said, "message: ロードしました") << i;
            ASSERT_EQ(window->game().saveRecord(), *record) << i;
        } else {
            ASSERT_TRUE(said.startsWith(NotLoaded) && said.endsWith("）")) << i << " " << said.toStdString();
            ASSERT_TRUE(snapshot() == was) << i;
        }
    }
    EXPECT_TRUE(loaded > 20 && loaded < 2900) << loaded;  // both outcomes, or the check means little
}

// Root makes a device node of its own to try; anyone else links to /dev/null.
bool makeDevice(const QString& at)
{
    if (::geteuid() != 0)
        return QFile::link("/dev/null", at);
    return ::mknod(QFile::encodeName(at).constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
}

TEST_F(SaveLoadTest, AFolderAPipeOrADeviceInPlaceOfTheSaveFileIsRefusedAtOnceAndLeftAlone)
{
    const QString save = path("mokopi.dat");
    const struct {
        std::function<bool()> make;
        QString cause;
    } cases[] = {
        {[&] { return QDir().mkdir(save); }, "セーブファイルの場所にフォルダーがあります"},
        {[&] { return ::mkfifo(QFile::encodeName(save).constData(), 0666) == 0; }, "セーブファイルの場所にパイプがあります"},
        {[&] { return makeDevice(save); }, "セーブファイルの場所にデバイスがあります"},
    };
    ::alarm(30);  // a load that blocks on the pipe ends the test program rather than hanging it
    for (const auto& [make, cause] : cases) {
        QDir(save).removeRecursively();
        QFile::remove(save);
        ASSERT_TRUE(make()) << cause.toStdString();
        struct stat made {};
        ::stat(QFile::encodeName(save).constData(), &made);
        const auto before = snapshot();
        EXPECT_EQ(menu("mnuSAVE1"), NotLoaded + cause + "）");
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(menu("mnuSAVE0"), "message: セーブできませんでした。\n（" + cause + "）");
        struct stat after {};
        ::stat(QFile::encodeName(save).constData(), &after);
        EXPECT_TRUE(after.st_ino == made.st_ino && after.st_mode == made.st_mode) << cause.toStdString();
    }
    ::alarm(0);
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
    ui::WindowOptions options;
    options.folders = {dir.path(), dir.path()};
    EXPECT_EQ(ui::runGame(app, dialogs, options), 0);
    EXPECT_TRUE(heldWhileRunning);

    const SaveFolderLock first(dir.path());
    const QStringList files = QDir(dir.path()).entryList();
    QTimer closeAnyWindow;  // should the second copy start after all, its window closes again at once
    QObject::connect(&closeAnyWindow, &QTimer::timeout, &app, &QCoreApplication::quit);
    closeAnyWindow.start(0);
    dialogs.boxes.clear();
    EXPECT_EQ(ui::runGame(app, dialogs, options), ui::AlreadyRunningExitCode);
    EXPECT_EQ(dialogs.boxes, QStringList{"message: もこぴ育成はすでに起動しています。\n先に起動したほうで遊んでください。"});
    EXPECT_EQ(QDir(dir.path()).entryList(), files);
}

}  // namespace mokopi::testing
