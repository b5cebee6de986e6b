#include "ui/window_fixture.h"

#include <QApplication>
#include <QTimer>

#include "ui/run_game.h"

using namespace mokopi;
using namespace mokopi::testing;

namespace {

struct BadPicture {
    const char* file;
    bool broken;  // present but not a picture, rather than missing
};

class BadPictureTest : public WindowTest, public ::testing::WithParamInterface<BadPicture> {};

}  // namespace

TEST_P(BadPictureTest, StopsBeforeAnySceneNamingTheFile)
{
    const BadPicture bad = GetParam();
    if (bad.broken)
        writeGarbage(path(bad.file));
    else
        ASSERT_TRUE(QFile::remove(path(bad.file)));
    startAndActivate();

    ASSERT_EQ(dialogs.fatals.size(), 1u);
    const QString text = dialogs.fatals[0].text;
    EXPECT_EQ(dialogs.fatals[0].title, QStringLiteral("もこぴ育成"));
    EXPECT_TRUE(text.contains(path(bad.file))) << text.toStdString();
    EXPECT_TRUE(text.contains(bad.broken ? QStringLiteral("読み込めません") : QStringLiteral("見つかりません")));
    EXPECT_EQ(exitCodes, std::vector<int>{ui::MissingPictureExitCode});

    EXPECT_TRUE(state().Scene.isNone());
    EXPECT_FALSE(window->isRunning());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->sounds().isOpen());
    for (const char* name : {"Tim", "TimAnm", "TimSya"})
        EXPECT_FALSE(timer(name)->isActive()) << name;

    // Nothing reaches the game any more.
    clickSpeech();
    EXPECT_TRUE(state().Scene.isNone());
}

// The store's first and last picture, the loading and the title picture.
INSTANTIATE_TEST_SUITE_P(Pictures, BadPictureTest,
                         ::testing::Values(BadPicture{"raku.bmp", false}, BadPicture{"did.bmp", false},
                                           BadPicture{"load.bmp", false}, BadPicture{"stt.bmp", false},
                                           BadPicture{"u0.bmp", true}));

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

TEST_F(WindowTest, RealStartUpEndsWithAnErrorStatusOnAMissingPicture)
{
    QFile::remove(path("raku.bmp"));
    // The real start-up with its event loop; a broken one fails the test
    // after a while instead of hanging it.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(20000);
    ui::WindowOptions options;
    options.appPath = dir.path();
    EXPECT_EQ(ui::runGame(*qApp, dialogs, options), ui::MissingPictureExitCode);
    ASSERT_EQ(dialogs.fatals.size(), 1u);
    EXPECT_TRUE(dialogs.fatals[0].text.contains(path("raku.bmp")));
}
