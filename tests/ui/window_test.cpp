// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>

#include "media/picture_store.h"
#include "ui/app_icon.h"
#include "ui/run_game.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace media;

TEST_F(WindowTest, StartUpMirrorsTheGameExplainsEachControlAndQuittingReleasesTheSoundsAskingNothing)
{
    start();
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuIVENT | cleared  | 500 ms stopped");
    action("mnuBGM")->trigger();
    action("mnuIVENT")->trigger();
    EXPECT_FALSE(state().soundOn || state().eventsOn);
    EXPECT_EQ(shown(), "Opt2 | cleared  | 500 ms stopped");

    // Everything the player can point at explains itself, each in its own words.
    QStringList tips;
    for (const char* name : {"Opt0", "Opt1", "Opt2", "Com", "PicStr", "LblStr", "LblTimDay", "LblDay", "Lbl", "IMG"})
        tips << child(name)->toolTip();
    EXPECT_FALSE(tips.contains(""));
    EXPECT_EQ(tips.removeDuplicates(), 0);

    // The sounds, and the audio libraries with them, wait for the click that leaves the title.
    QTest::qWait(50);
    EXPECT_FALSE(session->soundsOpen());
    clickSpeech();  // into the naming scene; quitting there asks nothing and saves nothing
    QCoreApplication::processEvents();
    EXPECT_TRUE(session->soundsOpen());
    action("mnuEnd")->trigger();
    QCloseEvent again;  // the same command again, as closing the window: it ends only once
    QApplication::sendEvent(window.get(), &again);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(session->soundsOpen());
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(WindowTest, TheFatigueBarInvertsWhatLiesUnderItAndLetsEveryClickThroughPressFirst)
{
    start();
    session->setSpeechMarks(Rgb{55, 99, 55}, "くりっく！！");
    session->setSpeech("■■■■■■■■■■■■■■■■■■■■■■■■");
    session->showStatus(statusView(7, 3, {12, 34, 128, 78}, Rgb{}, Rgb{255, 255, 255}));

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

// One box naming the picture file by its full path, a non-zero exit and nothing left running.
TEST_F(WindowTest, AMissingOrUnreadablePictureStopsTheGameWhetherNeededAtStartOrOnlyForAnEnding)
{
    const struct {
        const char* file;
        bool missing, later;
    } cases[] = {{"stt.bmp", false, false}, {"endai1.bmp", false, true}, {"endai0.bmp", true, true}};
    for (const auto& [file, missing, later] : cases) {
        SCOPED_TRACE(file);
        writeFixturePictures(dir.path());
        dialogs.boxes.clear();
        exitCodes.clear();
        const auto breakFile = [&] {
            missing ? void(QFile::remove(path(file))) : writeFixturePicture(dir.path(), file, true);
        };
        if (!later)
            breakFile();
        start();
        if (later) {
            ASSERT_TRUE(session->isRunning());
            breakFile();
            state().EndingCleared[1] = true;
            session->showClearedEndings(state().EndingCleared);
            dialogs.yes = true;
            action("mnuEnding1")->trigger();
            fire("TimAnm");  // the animation shows both pictures of the pair
            fire("TimAnm");
        }
        const QString said = missing ? "画像ファイルが見つかりません。" : "画像ファイルを読み込めません。";
        EXPECT_EQ(dialogs.boxes.filter("fatal: "),
                  QStringList{"fatal: " + said + "\n\n" + path(file) + "\n\nもこぴ育成を終了します。"});
        EXPECT_EQ(exitCodes, std::vector<int>{ui::MissingPictureExitCode});
        EXPECT_FALSE(session->isRunning() || window->isVisible() || session->soundsOpen());
        EXPECT_NE(state().Scene, SceneValue("stop"));
    }
}

TEST_F(WindowTest, AMissingPictureEndsTheRealEventLoopWithTheErrorStatus)
{
    QFile::remove(path("raku.bmp"));
    QObject giveUp;  // a broken start-up fails the test instead of hanging it
    QTimer::singleShot(20000, &giveUp, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(ui::runGame(*qApp, dialogs, {{dir.path(), dir.path(), {}}, {}, path("cache")}),
              ui::MissingPictureExitCode);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_TRUE(dialogs.boxes[0].startsWith("fatal: ") && dialogs.boxes[0].contains(path("raku.bmp")))
        << qPrintable(dialogs.boxes[0]);
}

TEST(Application, JapaneseBoxButtonsAndFontAndAnIconFromTheAppFolderOrDrawn)
{
    FakeDialogs dialogs;
    ui::prepareApplication(*qApp, dialogs, {}, ui::Language::Japanese);
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

TEST(PetPicture, OnAScreenOfPixelRatioTwoEveryDevicePixelOfThePictureIsItsOwn)
{
    // A grey ramp from left to right: at 80 device pixels across, no two neighbours are alike.
    QTemporaryDir dir;
    QImage ramp(64, 16, QImage::Format_RGB32);
    for (int x = 0; x < ramp.width(); ++x)
        for (int y = 0; y < ramp.height(); ++y)
            ramp.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    ASSERT_TRUE(ramp.save(dir.filePath("t0.bmp"), "BMP"));
    PictureStore store(dir.path() + "/");
    ui::PetPicture pet;
    pet.resize(40, 30);
    pet.setPixmap(store.picture(Picture::t0, {pet.size(), 2}));

    QImage shot(pet.size() * 2, QImage::Format_RGB32);
    shot.setDevicePixelRatio(2);
    pet.render(&shot);
    int doubled = 0;  // a picture of 40 x 30 drawn at twice its size shows each pixel as a pair
    for (int x = 0; x + 1 < shot.width(); x += 2)
        doubled += shot.pixel(x, 30) == shot.pixel(x + 1, 30);
    EXPECT_EQ(doubled, 0);
    EXPECT_EQ(shot.pixel(79, 30), ramp.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(79, 30));
}

TEST_F(WindowTest, ANameThatLooksLikeMarkupIsShownOnTheSpeechLineAsTyped)
{
    start();
    // The columns that hold some ink, against the colour of the line's corner.
    const auto inkedColumns = [this](const char* text) {
        session->setSpeech(text);
        const QImage shot = speech()->grab().toImage();
        int columns = 0;
        for (int x = 0; x < shot.width(); ++x)
            for (int y = 0; y < shot.height(); ++y)
                if (shot.pixel(x, y) != shot.pixel(0, 0)) {
                    ++columns;
                    break;
                }
        return columns;
    };
    EXPECT_GT(inkedColumns("「<s>もこ</s>」"), inkedColumns("「もこ」") * 3 / 2);  // the tags drawn, not obeyed
}

// Its own ctest entry runs it on a screen of pixel ratio 2 (QT_SCALE_FACTOR=2).
using HiDpiWindow = WindowTest;
TEST_F(HiDpiWindow, ThePetIsDrawnFromPicturesAtTheScreensPixelRatio)
{
    const auto pet = [this] { return child<ui::PetPicture>("IMG"); };
    start();
    ASSERT_EQ(pet()->devicePixelRatioF(), 2);
    EXPECT_EQ(pet()->pixmap().size(), pet()->size() * 2);  // the title
    startRaising();                                        // a new window, played into the raising
    fire("TimAnm");
    EXPECT_EQ(pet()->pixmap().size(), pet()->size() * 2);
}

}  // namespace mokopi::testing
