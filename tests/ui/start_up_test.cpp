#include "ui/window_fixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "ui/run_game.h"

using namespace mokopi;
using namespace mokopi::testing;

namespace {

class MissingPictureTest : public WindowTest, public ::testing::WithParamInterface<const char*> {};

}  // namespace

// Any picture the game reads at start-up, the store's first and last, the
// loading picture and the title picture.
TEST_P(MissingPictureTest, StopsBeforeAnySceneNamingTheFile)
{
    const char* missing = GetParam();
    ASSERT_TRUE(QFile::remove(path(missing)));
    startAndActivate();

    ASSERT_EQ(dialogs.fatals.size(), 1u);
    EXPECT_EQ(dialogs.fatals[0].title, QStringLiteral("もこぴ育成"));
    EXPECT_TRUE(dialogs.fatals[0].text.contains(path(missing))) << dialogs.fatals[0].text.toStdString();
    EXPECT_TRUE(dialogs.fatals[0].text.contains(QStringLiteral("見つかりません")));
    EXPECT_EQ(exitCodes, std::vector<int>{ui::MissingPictureExitCode});

    EXPECT_TRUE(state().Scene.isNone());
    EXPECT_FALSE(state().SceneRunning);
    EXPECT_FALSE(window->isRunning());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->sounds().isOpen());
    for (const char* name : {"Tim", "TimAnm", "TimSya"})
        EXPECT_FALSE(timer(name)->isActive()) << name;

    // Nothing reaches the game any more.
    clickSpeech();
    EXPECT_TRUE(state().Scene.isNone());
}

INSTANTIATE_TEST_SUITE_P(Pictures, MissingPictureTest,
                         ::testing::Values("raku.bmp", "did.bmp", "load.bmp", "stt.bmp"));

TEST_F(WindowTest, UnreadablePictureIsReportedAsSuch)
{
    writeGarbage(path("u0.bmp"));
    startAndActivate();
    ASSERT_EQ(dialogs.fatals.size(), 1u);
    EXPECT_TRUE(dialogs.fatals[0].text.contains(path("u0.bmp")));
    EXPECT_TRUE(dialogs.fatals[0].text.contains(QStringLiteral("読み込めません")));
    EXPECT_EQ(exitCodes, std::vector<int>{ui::MissingPictureExitCode});
}

TEST_F(WindowTest, TitlePictureGoneByTheNextGameStopsThere)
{
    startAndActivate();
    state().EndingCleared[0] = true;
    window->showClearedEndings(state().EndingCleared);
    ASSERT_TRUE(QFile::remove(path("stt.bmp")));

    dialogs.yesNoAnswers = {true};
    action("mnuEnding0")->trigger();  // replay ending 0; its last click starts a new game
    ASSERT_EQ(state().Scene, SceneValue::ending(0));
    for (int i = 0; i < 40 && dialogs.fatals.empty(); ++i)
        clickSpeech();
    ASSERT_EQ(dialogs.fatals.size(), 1u);
    EXPECT_TRUE(dialogs.fatals[0].text.contains(path("stt.bmp")));
    EXPECT_EQ(exitCodes, std::vector<int>{ui::MissingPictureExitCode});
    EXPECT_NE(state().Scene, SceneValue("stop"));
}

namespace {

// Runs the real start-up with its event loop; gives up after a while so a
// broken start-up fails the test instead of hanging it.
int runUntilEnd(ui::Dialogs& dialogs, const QString& appPath, std::function<void()> whileRunning = {})
{
    QTimer watcher;
    QDeadlineTimer deadline(20000);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (deadline.hasExpired()) {
            QCoreApplication::exit(99);
            return;
        }
        if (!whileRunning)
            return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<ui::MainWindow*>(w); window && window->isRunning()) {
                whileRunning();
                whileRunning = {};
            }
    });
    watcher.start(10);
    ui::WindowOptions options;
    options.appPath = appPath;
    return ui::runGame(*qApp, dialogs, options);
}

}  // namespace

TEST_F(WindowTest, RealStartUpEndsWithAnErrorStatusOnAMissingPicture)
{
    QFile::remove(path("raku.bmp"));
    EXPECT_EQ(runUntilEnd(dialogs, dir.path()), ui::MissingPictureExitCode);
    ASSERT_EQ(dialogs.fatals.size(), 1u);
    EXPECT_TRUE(dialogs.fatals[0].text.contains(path("raku.bmp")));
}

TEST_F(WindowTest, RealStartUpEndsCleanlyWhenTheWindowCloses)
{
    const int status = runUntilEnd(dialogs, dir.path(), [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Fom"))
                w->close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(dialogs.fatals.empty());
}
