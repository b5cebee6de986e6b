#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>

#include "ui/app_icon.h"
#include "ui/help_text.h"
#include "ui/run_game.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

TEST_F(WindowTest, StartUpShowsTheGamesStateAndNamedControlsAndQuittingReleasesTheSoundsAskingNothing)
{
    start();
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuIVENT | cleared  | 500 ms stopped");
    EXPECT_EQ(child("PicStr")->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(child("LblStr")->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(window->frameGeometry().size(), QSize(512, 512));  // the outer square holds once the frame is known

    // Everything the player can point at explains itself, each in its own words.
    QStringList tips;
    for (const char* name : {"Opt0", "Opt1", "Opt2", "Com", "PicStr", "LblStr", "LblTimDay", "LblDay", "Lbl", "IMG"})
        tips << child(name)->toolTip();
    EXPECT_FALSE(tips.contains(""));
    EXPECT_EQ(tips.removeDuplicates(), 0);

    clickSpeech();  // into the naming scene; quitting there asks nothing and saves nothing
    action("mnuEnd")->trigger();
    QCloseEvent again;  // the same command again, as closing the window: it ends only once
    QApplication::sendEvent(window.get(), &again);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(window->sounds().isOpen());
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(WindowTest, LayoutAndFontSizesFollowTheScreenHeight)
{
    for (const auto& [screen, expected] : {std::pair{768, "7680 twips, 512 x 512, base 12, 12 12 12 12 12 12 24 24 11"},
                                           {1080, "10800 twips, 720 x 720, base 15, 15 15 15 15 15 15 30 30 14"}}) {
        start(false, screen);  // not shown: no frame, the window is the whole square
        QString sizes;
        for (const char* name : {"Opt0", "Opt1", "Opt2", "Com", "Lbl", "LblStr", "LblTimDay", "LblDay", "LblKazari"})
            sizes += QStringLiteral(" %1").arg(child(name)->font().pointSize());
        EXPECT_EQ(QStringLiteral("%1 twips, %2 x %3, base %4,").arg(window->layout().windowTwips).arg(window->width())
                      .arg(window->height()).arg(window->layout().baseFontSize) + sizes, expected);
    }
    for (const auto& [name, family] : {std::pair{"Lbl", "IPAPGothic"}, {"LblStr", "IPAPMincho"}, {"LblDay", "DejaVu Sans"}})
        EXPECT_EQ(QFontInfo(child(name)->font()).family(), family) << name;  // never boxes for Japanese text
}

TEST_F(WindowTest, TheFatigueBarInvertsWhatLiesUnderItAndLetsEveryClickThroughPressFirst)
{
    start();
    window->setSpeechMarks(Rgb{55, 99, 55}, "くりっく！！");
    window->setSpeech("■■■■■■■■■■■■■■■■■■■■■■■■");
    window->showStatus(StatusView{7, 3, {12, 34, 56, 78}, Rgb{}, Rgb{255, 255, 255}, 128});
    EXPECT_EQ(text("LblStr"), "歌詩\u3000\u300012\n舞踊\u3000\u300034\n疲労\u3000\u300056");

    // Red merged with the inverse of what lies under it: purple on the yellow panel, the text inverted.
    const QImage shot = child("Pic")->grab().toImage();
    const int barEnd = child("ShpHir")->width();
    EXPECT_NEAR(barEnd, shot.width() / 2, 1);
    EXPECT_EQ(QColor(shot.pixel(3, shot.height() * 3 / 4)), QColor(192, 0, 127));
    int inverted = 0, plain = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < barEnd; ++x) {
            inverted += shot.pixel(x, y) == qRgb(200, 156, 200);
            plain += shot.pixel(x, y) == qRgb(55, 99, 55);
        }
    EXPECT_GT(inverted, 50);
    EXPECT_EQ(plain, 0);

    QWidget* pic = child("Pic");  // over the bar, and over the hint
    EXPECT_EQ(pic->childAt(5, 5), speech());
    EXPECT_EQ(pic->childAt(pic->width() - 5, pic->height() - 3), speech());
    QStringList log;
    QObject::connect(speech(), &ui::ClickLabel::pressed, [&](int code) { log << QString::number(code); });
    QObject::connect(speech(), &ui::ClickLabel::clicked, [&] { log << "click"; });
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        clickSpeech(button);
        log << QStringLiteral("(%1)").arg(state().ClickButton);
    }
    EXPECT_EQ(log.join(' '), "2 click (2) 4 click (4) 1 click (1)");
}

TEST_F(WindowTest, MenuChecksMirrorTheGameAndSuperFastOnlyChangesTheInterval)
{
    start(false);
    state().soundOn = state().eventsOn = false;  // out of step with the check marks
    action("mnuBGM")->trigger();
    action("mnuIVENT")->trigger();
    EXPECT_TRUE(state().soundOn && state().eventsOn);
    action("mnuMODE")->trigger();
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuMODE mnuIVENT | cleared  | 100 ms stopped");  // a stopped clock stays stopped
    action("mnuMODE")->trigger();
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuIVENT | cleared  | 500 ms stopped");
}

TEST_F(WindowTest, HelpShowsTheVersionThenHowToPlayLineByLine)
{
    start(false);
    QTest::mouseClick(child("Com"), Qt::LeftButton);
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes[0], "message: " + ui::versionText());
    const QString help = dialogs.boxes[1].mid(QStringLiteral("message: ").size());
    EXPECT_EQ(help, ui::helpText());
    EXPECT_EQ(help.split('\n').size(), 25);  // line breaks between the lines, none after the last
    EXPECT_FALSE(help.endsWith('\n') || help.contains('\r'));
}

// One box naming the picture file by its full path, a non-zero exit, nothing left running and no title scene.
void expectStoppedOn(WindowTest& t, const char* file, const char* what)
{
    EXPECT_EQ(t.dialogs.boxes.filter("fatal: "), QStringList{"fatal: " + QString(what) + "\n\n" + t.path(file) + "\n\nもこぴ育成を終了します。"});
    EXPECT_EQ(t.exitCodes, std::vector<int>{ui::MissingPictureExitCode});
    EXPECT_FALSE(t.window->isRunning() || t.window->isVisible() || t.window->sounds().isOpen());
    EXPECT_NE(t.state().Scene, SceneValue("stop"));
}

TEST_F(WindowTest, AnUnreadableTitlePictureStopsStartUpBeforeAnyScene)
{
    writeFixturePicture(dir.path(), "stt.bmp", true);
    start();
    expectStoppedOn(*this, "stt.bmp", "画像ファイルを読み込めません。");
}

TEST_F(WindowTest, AnUnreadableEndingPictureStopsTheGameWhenItsEndingBegins)
{
    writeFixturePicture(dir.path(), "endai1.bmp", true);
    start();  // the file is there; it is read only for its ending
    ASSERT_TRUE(window->isRunning());
    state().EndingCleared[1] = true;
    window->showClearedEndings(state().EndingCleared);
    dialogs.yes = true;
    action("mnuEnding1")->trigger();
    for (int tick = 0; tick < 2; ++tick)  // the animation shows both pictures of the pair
        QMetaObject::invokeMethod(timer("TimAnm"), "timeout");
    expectStoppedOn(*this, "endai1.bmp", "画像ファイルを読み込めません。");
}

TEST_F(WindowTest, TheTitlePictureGoneByALaterNewGameStopsThere)
{
    start();
    state().EndingCleared[0] = true;
    window->showClearedEndings(state().EndingCleared);
    ASSERT_TRUE(QFile::remove(path("stt.bmp")));
    dialogs.yes = true;
    action("mnuEnding0")->trigger();  // a replay of ending 0, whose last click begins a new game
    ASSERT_EQ(state().Scene, SceneValue::ending(0));
    for (int i = 0; i < 40 && exitCodes.empty(); ++i)
        clickSpeech();
    expectStoppedOn(*this, "stt.bmp", "画像ファイルが見つかりません。");
}

TEST_F(WindowTest, AMissingPictureEndsTheRealEventLoopWithTheErrorStatus)
{
    QFile::remove(path("raku.bmp"));
    QObject giveUp;  // a broken start-up fails the test instead of hanging it
    QTimer::singleShot(20000, &giveUp, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(ui::runGame(*qApp, dialogs, {{dir.path(), dir.path()}, 0, {}, path("cache")}), ui::MissingPictureExitCode);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_TRUE(dialogs.boxes[0].startsWith("fatal: ") && dialogs.boxes[0].contains(path("raku.bmp"))) << qPrintable(dialogs.boxes[0]);
}

TEST(Application, JapaneseBoxButtonsAndFontAndAnIconFromTheAppFolderOrDrawn)
{
    ui::prepareApplication(*qApp);
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").startsWith("はい"));
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "IPAPGothic");

    QTemporaryDir dir;
    const auto iconPixel = [&] { return ui::applicationIcon(dir.path() + "/").pixmap(32).toImage().pixel(16, 16); };
    EXPECT_EQ(iconPixel(), ui::drawnIcon().toImage().pixel(16, 16));
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("icon.png")));
    EXPECT_EQ(iconPixel(), qRgb(255, 0, 0));
}

}  // namespace mokopi::testing
