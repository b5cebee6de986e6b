#include "ui/window_fixture.h"

#include <QFontInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "ui/help_text.h"
#include "ui/pet_picture.h"

using namespace mokopi;
using namespace mokopi::testing;

namespace {

QColor textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
QColor backgroundColour(const QWidget* w) { return w->palette().color(QPalette::Window); }

}  // namespace

TEST_F(WindowTest, StartUpLeavesTheMenusAndClockAsTheGameSetThem)
{
    start();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(child<QPushButton>(QStringLiteral("Opt%1").arg(i))->isChecked(), i == 2) << i;
    for (int n = 0; n < 9; ++n) {
        QAction* item = action(QStringLiteral("mnuEnding%1").arg(n));
        EXPECT_FALSE(item->isEnabled()) << n;
        EXPECT_FALSE(item->isChecked()) << n;
    }
    EXPECT_FALSE(action("mnuMODE")->isChecked());
    EXPECT_TRUE(action("mnuBGM")->isChecked());
    EXPECT_TRUE(action("mnuIVENT")->isChecked());
    EXPECT_EQ(timer("Tim")->interval(), 500);
    EXPECT_FALSE(timer("Tim")->isActive());
    EXPECT_TRUE(timer("TimAnm")->isActive());
    EXPECT_EQ(timer("TimAnm")->interval(), 100);
    EXPECT_TRUE(timer("TimSya")->isActive());
    EXPECT_EQ(timer("TimSya")->interval(), 1000);
    EXPECT_EQ(window->appPath(), dir.path() + "/");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("もこぴ育成"));
}

TEST_F(WindowTest, LayoutOnA768PixelScreen)
{
    start(768);
    // Not shown yet, so no frame: the window is the whole 7680-twip square.
    EXPECT_EQ(window->size(), QSize(512, 512));
    for (const char* name : {"Opt0", "Opt1", "Opt2", "Com", "Lbl", "LblStr"})
        EXPECT_EQ(child<QWidget>(name)->font().pointSize(), 12) << name;
    EXPECT_EQ(label("LblTimDay")->font().pointSize(), 24);
    EXPECT_EQ(label("LblDay")->font().pointSize(), 24);
    EXPECT_EQ(label("LblKazari")->font().pointSize(), 11);

    // The right column starts after eight tenths; the speech panel spans the
    // bottom two rows of the area under the menu bar, the hint its last fifth.
    const QRect img = child<QWidget>("IMG")->geometry();
    const QRect pic = child<QWidget>("Pic")->geometry();
    EXPECT_EQ(img, QRect(0, 0, 410, pic.top()));
    EXPECT_EQ(child<QWidget>("Opt0")->x(), 410);
    EXPECT_EQ(child<QWidget>("LblDay")->geometry().right(), 511);
    EXPECT_EQ(pic.width(), 512);
    EXPECT_EQ(pic.bottom() + 1 + window->menuBar()->sizeHint().height(), 512);
    const QRect hint = child<QWidget>("LblKazari")->geometry();
    EXPECT_EQ(hint.top(), qRound(pic.height() * 0.8));
    EXPECT_EQ(hint.bottom(), pic.height() - 1);
}

TEST_F(WindowTest, LayoutOnA1080PixelScreenAndTheFontsFound)
{
    start(1080);
    EXPECT_EQ(window->size(), QSize(720, 720));
    EXPECT_EQ(child<QWidget>("Opt2")->font().pointSize(), 15);
    EXPECT_EQ(label("LblDay")->font().pointSize(), 30);
    EXPECT_EQ(label("LblKazari")->font().pointSize(), 14);

    // Japanese text gets a Japanese font, never boxes.
    EXPECT_EQ(QFontInfo(label("Lbl")->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(child<QWidget>("Opt0")->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(label("LblStr")->font()).family(), QStringLiteral("IPAPMincho"));
    EXPECT_EQ(QFontInfo(label("LblDay")->font()).family(), QStringLiteral("DejaVu Sans"));
}

TEST_F(WindowTest, OuterSquareHoldsOnceTheFrameIsKnown)
{
    // The offscreen platform draws a thin frame: the window shrinks inside it.
    start(768);
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->isRunning(); }));
    EXPECT_EQ(window->frameGeometry().size(), QSize(512, 512));
    const auto* img = child<ui::PetPicture>("IMG");
    EXPECT_EQ(img->pixmap().size(), img->size());
    EXPECT_EQ(window->pictures().picture(Picture::t0).size(), img->size());
}

TEST_F(WindowTest, FirstActivationShowsTheTitleAndANewGamesPanel)
{
    startAndActivate();
    ASSERT_TRUE(window->isRunning());
    EXPECT_TRUE(window->pictures().isLoaded());
    const auto* img = child<ui::PetPicture>("IMG");
    EXPECT_EQ(img->pixmap().size(), img->size());
    EXPECT_EQ(img->pixmap().toImage().pixel(5, 5), fixtureColour(TitlePictureFile));

    EXPECT_EQ(label("Lbl")->text(), QString());
    EXPECT_EQ(label("LblKazari")->text(), QStringLiteral("くりっく！！　"));
    EXPECT_EQ(label("LblTimDay")->text(), QStringLiteral("0"));
    EXPECT_EQ(label("LblDay")->text(), QStringLiteral("0"));
    EXPECT_EQ(label("LblStr")->text(), QStringLiteral("歌詩　　0\n舞踊　　0\n疲労　　0"));
    EXPECT_EQ(backgroundColour(child<QWidget>("PicStr")), QColor(Qt::black));
    EXPECT_EQ(textColour(label("LblStr")), QColor(Qt::white));
    EXPECT_EQ(child<QWidget>("ShpHir")->width(), 0);
    EXPECT_FALSE(timer("Tim")->isActive());
}

TEST_F(WindowTest, StatusViewShownAsTheGameComputedIt)
{
    start();
    window->showStatus(StatusView{7, 3, {12, 34, 56, 78}, Rgb{78, 34, 12}, Rgb{177, 255, 243}, 56});
    EXPECT_EQ(label("LblTimDay")->text(), QStringLiteral("7"));
    EXPECT_EQ(label("LblDay")->text(), QStringLiteral("3"));
    const QStringList lines = label("LblStr")->text().split('\n');
    EXPECT_EQ(lines, (QStringList{QStringLiteral("歌詩\u3000\u300012"), QStringLiteral("舞踊\u3000\u300034"),
                                  QStringLiteral("疲労\u3000\u300056")}));
    EXPECT_EQ(backgroundColour(child<QWidget>("PicStr")), QColor(78, 34, 12));
    EXPECT_EQ(textColour(label("LblStr")), QColor(177, 255, 243));
    EXPECT_EQ(child<QWidget>("ShpHir")->width(), 112);  // 56 of 255 over 512 pixels

    // Texts from the game show as typed: line breaks become Qt's, markup stays text.
    window->setSpeech("いち\r\n<b>に</b>");
    EXPECT_EQ(label("Lbl")->text(), QStringLiteral("いち\n<b>に</b>"));
    EXPECT_EQ(label("Lbl")->textFormat(), Qt::PlainText);
}

TEST_F(WindowTest, FatigueBarMergesWithTheInverseOfThePanel)
{
    start();
    window->show();
    const Rgb speechColour{55, 99, 55};
    window->setSpeechMarks(speechColour, "");
    window->setSpeech("■■■■■■■■■■■■■■■■■■■■■■■■");
    window->showStatus(StatusView{0, 0, {0, 0, 128, 0}, Rgb{}, Rgb{255, 255, 255}, 128});

    QWidget* pic = child<QWidget>("Pic");
    const QImage shot = pic->grab().toImage();
    const int barEnd = child<QWidget>("ShpHir")->width();
    EXPECT_NEAR(barEnd, pic->width() / 2, 2);  // 128 of 255
    const int below = shot.height() * 3 / 4;  // under the text line
    EXPECT_EQ(QColor(shot.pixel(3, below)), QColor(192, 0, 127));
    EXPECT_EQ(QColor(shot.pixel(barEnd + 3, below)), QColor(255, 255, 128));

    // The text under the bar shows inverted: (55, 99, 55) merged to (200, 156, 200).
    const QRgb plain = qRgb(55, 99, 55), inverted = qRgb(200, 156, 200);
    int plainUnder = 0, invertedUnder = 0, plainBeside = 0;
    for (int y = 0; y < shot.height() / 2; ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y) | 0xff000000;
            if (x < barEnd) {
                plainUnder += p == plain;
                invertedUnder += p == inverted;
            } else {
                plainBeside += p == plain;
            }
        }
    EXPECT_GT(invertedUnder, 50);
    EXPECT_GT(plainBeside, 50);
    EXPECT_EQ(plainUnder, 0);
}

TEST_F(WindowTest, SpeechLineTakesEveryButtonThroughBarAndHint)
{
    startAndActivate();
    window->showStatus(StatusView{0, 0, {0, 0, 255, 0}, Rgb{}, Rgb{}, 255});
    QWidget* pic = child<QWidget>("Pic");
    // The bar and the hint lie over the speech line but let the mouse through.
    EXPECT_EQ(pic->childAt(5, 5), speech());
    EXPECT_EQ(pic->childAt(pic->width() - 5, pic->height() - 3), speech());

    clickSpeech(Qt::RightButton);  // the title hands over to the naming scene
    EXPECT_EQ(state().ClickButton, 2);
    EXPECT_EQ(state().Scene, SceneValue("open"));
    clickSpeech(Qt::MiddleButton);
    EXPECT_EQ(state().ClickButton, 4);
    EXPECT_EQ(state().Page, 2);
}

TEST_F(WindowTest, CommandsPettingAndTheRunningClock)
{
    startAndActivate();
    playToRunningClock();
    EXPECT_EQ(dialogs.inputs.size(), 2u);
    ASSERT_TRUE(timer("Tim")->isActive());
    EXPECT_EQ(timer("Tim")->interval(), 500);

    // Petting while resting, with no event to interrupt the eleven hours.
    action("mnuIVENT")->trigger();
    QTest::mouseClick(child<QWidget>("IMG"), Qt::RightButton);
    EXPECT_GE(state().Status[Affection], 10);
    EXPECT_LE(state().Status[Affection], 19);
    EXPECT_EQ(state().Hour, 11);
    EXPECT_EQ(label("Lbl")->text(), QStringLiteral("きゃきゃ！"));

    QTest::mouseClick(child<QPushButton>("Opt0"), Qt::LeftButton);
    EXPECT_EQ(state().Command, 0);
    EXPECT_TRUE(child<QPushButton>("Opt0")->isChecked());
    EXPECT_FALSE(child<QPushButton>("Opt2")->isChecked());
}

TEST_F(WindowTest, MenuSwitchesShowWhatTheGameHolds)
{
    start();
    for (const char* name : {"mnuBGM", "mnuIVENT"}) {
        action(name)->trigger();
        EXPECT_FALSE(action(name)->isChecked()) << name;
    }
    EXPECT_FALSE(state().soundOn);
    EXPECT_FALSE(state().eventsOn);
}

TEST_F(WindowTest, SuperFastModeChangesOnlyTheInterval)
{
    start();
    QAction* mode = action("mnuMODE");
    mode->trigger();
    EXPECT_TRUE(mode->isChecked());
    EXPECT_EQ(timer("Tim")->interval(), 100);
    EXPECT_FALSE(timer("Tim")->isActive());  // a stopped clock stays stopped
    mode->trigger();
    EXPECT_FALSE(mode->isChecked());
    EXPECT_EQ(timer("Tim")->interval(), 500);
    EXPECT_FALSE(timer("Tim")->isActive());

    window->show();
    window->Form_Activate();
    playToRunningClock();
    mode->trigger();
    EXPECT_TRUE(timer("Tim")->isActive());
    EXPECT_EQ(timer("Tim")->interval(), 100);
}

TEST_F(WindowTest, HelpShowsTheVersionThenHowToPlay)
{
    start();
    QTest::mouseClick(child<QPushButton>("Com"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("もこぴ育成"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("もこぴ育成\nVER１．０３"));
    EXPECT_EQ(dialogs.messages[1].text, ui::helpText());
}

TEST_F(WindowTest, QuittingReleasesTheSoundsAndAsksNothing)
{
    startAndActivate();
    clickSpeech();  // in the middle of the naming scene
    action("mnuEnd")->trigger();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(window->sounds().isOpen());
    EXPECT_FALSE(timer("TimAnm")->isActive());
    EXPECT_FALSE(timer("TimSya")->isActive());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(QFile::exists(path("mokopi.dat")));

    // Closing the window is the same command; it ends only once.
    window->close();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}
