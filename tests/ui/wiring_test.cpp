#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "game/chatter.h"
#include "game/page_text.h"
#include "ui/pet_picture.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {
namespace {

// Each control and timer of the window against the game handler it must
// reach, seen through what the game then shows.
struct WiringTest : WindowTest {
    // From the title through the naming scene (the fake cancels both boxes) to the running clock.
    void startRaising()
    {
        start();
        for (int i = 0; i < 10 && !state().Scene.isNone(); ++i)
            clickSpeech();
        ASSERT_TRUE(timer("Tim")->isActive());
    }
    // One tick of a timer, as its interval would bring it.
    void fire(const char* name) { ASSERT_TRUE(QMetaObject::invokeMethod(timer(name), "timeout")); }
    // The picture the pet area shows: every fixture picture is one colour of its own.
    QRgb shown()
    {
        const QImage image = child<ui::PetPicture>("IMG")->pixmap().toImage();
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    static QRgb colourOf(Picture p) { return fixtureColour(fileName(p)); }
    int hoursPlayed() { return state().Day * 24 + state().Hour; }
};

TEST_F(WiringTest, EachCommandButtonPicksItsOwnCommandAndAnyPressOnThePetPetsIt)
{
    startRaising();
    for (int command : {0, 1, 2}) {
        QTest::mouseClick(child(QStringLiteral("Opt%1").arg(command)), Qt::LeftButton);
        EXPECT_EQ(state().Command, command);
        EXPECT_TRUE(child<QPushButton>(QStringLiteral("Opt%1").arg(command))->isChecked());
    }

    const int hours = hoursPlayed(), affection = state().Status[Affection];
    QTest::mousePress(child("IMG"), Qt::RightButton);
    EXPECT_EQ(hoursPlayed(), hours + 11);
    EXPECT_GE(state().Status[Affection], affection + 10);
    EXPECT_LE(state().Status[Affection], affection + 19);
    EXPECT_EQ(shown(), colourOf(Picture::lov));
}

TEST_F(WiringTest, EachTimerTicksAtItsIntervalAndDrivesOnlyItsOwnPart)
{
    start();
    EXPECT_EQ(timer("TimAnm")->interval(), 100);
    EXPECT_EQ(timer("TimSya")->interval(), 1000);
    EXPECT_TRUE(timer("TimAnm")->isActive() && timer("TimSya")->isActive());
    EXPECT_FALSE(timer("Tim")->isActive());  // the title waits
    startRaising();
    EXPECT_EQ(timer("Tim")->interval(), 500);
    action("mnuMODE")->trigger();
    EXPECT_EQ(timer("Tim")->interval(), 100);
    EXPECT_TRUE(timer("Tim")->isActive());
    action("mnuMODE")->trigger();
    EXPECT_EQ(timer("Tim")->interval(), 500);

    // The clock moves the hour, the animation the picture, the chatter the speech line; nothing else.
    const auto hours = hoursPlayed();
    const QString speech = text("Lbl");
    fire("Tim");
    EXPECT_EQ(hoursPlayed(), hours + 1);
    EXPECT_EQ(text("Lbl"), speech);

    fire("TimAnm");
    const QRgb first = shown();
    fire("TimAnm");
    EXPECT_TRUE((first == colourOf(Picture::t0) && shown() == colourOf(Picture::t1))
                || (first == colourOf(Picture::t1) && shown() == colourOf(Picture::t0)));
    EXPECT_EQ(hoursPlayed(), hours + 1);
    EXPECT_EQ(text("Lbl"), speech);

    fire("TimSya");
    QStringList resting;
    for (int n = 0; n < 5; ++n)
        resting << QString::fromStdString(render(chatterLine(ChatterSet::Resting, n), state().PetName, state().OwnerName));
    EXPECT_TRUE(resting.contains(text("Lbl"))) << text("Lbl").toStdString();
    EXPECT_EQ(hoursPlayed(), hours + 1);
}

TEST_F(WiringTest, EachEndingItemReplaysItsOwnEndingWithItsPictures)
{
    startRaising();
    state().EndingCleared.fill(true);
    window->showClearedEndings(state().EndingCleared);
    dialogs.yes = true;
    for (int n = 0; n < 9; ++n) {
        action(QStringLiteral("mnuEnding%1").arg(n))->trigger();
        EXPECT_EQ(state().Scene, SceneValue::ending(static_cast<std::int16_t>(n)));
        fire("TimAnm");
        EXPECT_TRUE(shown() == colourOf(endingPicture(n, 0)) || shown() == colourOf(endingPicture(n, 1))) << n;
    }
}

TEST_F(WiringTest, ASceneMarksTheSpeechLineAndItsClickHintUntilItEndsAndAnAnswerShowsOnThePanel)
{
    startRaising();
    const QColor idle(55, 99, 55), scene(55, 55, 99);
    EXPECT_EQ(speech()->palette().color(QPalette::WindowText), idle);
    EXPECT_EQ(text("LblKazari"), "");
    window->game().IventStt("おはな");
    EXPECT_EQ(speech()->palette().color(QPalette::WindowText), scene);
    EXPECT_FALSE(text("LblKazari").isEmpty());
    clickSpeech();  // to the page that offers the answers
    const QString panel = text("LblStr");
    clickSpeech(Qt::RightButton);  // the right answer raises the song
    EXPECT_NE(text("LblStr"), panel);
    EXPECT_TRUE(text("LblStr").startsWith(QStringLiteral("歌詩\u3000\u3000%1\n").arg(state().Status[Song])));
    EXPECT_EQ(speech()->palette().color(QPalette::WindowText), idle);
    EXPECT_EQ(text("LblKazari"), "");
}

TEST_F(WiringTest, OnlyAPressAndReleaseOfOneButtonOnTheSpeechLineIsAClick)
{
    start();
    QTest::mousePress(speech(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(speech(), Qt::LeftButton, {}, QPoint(-5, speech()->height() + 5));  // dragged off
    EXPECT_EQ(state().Scene, SceneValue("stop"));
    QTest::mousePress(speech(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(speech(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(state().Scene, SceneValue("stop"));
    clickSpeech();
    EXPECT_EQ(state().Scene, SceneValue("open"));
}

TEST_F(WiringTest, ALaterActivationOfTheWindowStartsNothingAgain)
{
    start();
    clickSpeech();
    clickSpeech();
    const auto page = state().Page;
    for (int i = 0; i < 2; ++i) {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activation);
    }
    QTest::qWait(400);  // a start-up that waits for the window system would have run by now
    EXPECT_EQ(state().Scene, SceneValue("open"));
    EXPECT_EQ(state().Page, page);
    EXPECT_TRUE(dialogs.boxes.filter("fatal").isEmpty());
}

// The real boxes, answered by clicking their buttons once they are open.
struct RealDialogsTest : ::testing::Test {
    // Runs `answer` on the box that opens next.
    template <typename Box, typename Answer>
    void whenOpen(Answer answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            answer(box);
        });
    }
    ui::QtDialogs dialogs;
};

TEST_F(RealDialogsTest, YesIsTrueNoIsFalseAndAnyTextIsShownAsTyped)
{
    const QString name = QStringLiteral("<b>ポチ</b>");
    QString shownText;
    Qt::TextFormat format = Qt::RichText;
    for (const auto& [button, expected] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        whenOpen<QMessageBox>([&, button](QMessageBox* box) {
            shownText = box->text();
            format = box->textFormat();
            EXPECT_EQ(box->windowTitle(), "もこぴ育成");
            box->button(button)->click();
        });
        EXPECT_EQ(dialogs.askYesNo("もこぴ育成", name), expected);
        EXPECT_EQ(shownText, name);
        EXPECT_EQ(format, Qt::PlainText);
    }
    for (const bool fatal : {false, true}) {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            format = box->textFormat();
            ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
            box->button(QMessageBox::Ok)->click();
        });
        fatal ? dialogs.fatal("もこぴ育成", name) : dialogs.message("もこぴ育成", name);
        EXPECT_EQ(format, Qt::PlainText);
    }

    whenOpen<QInputDialog>([](QInputDialog* box) {
        box->setTextValue("タマ");
        box->accept();
    });
    EXPECT_EQ(dialogs.askText("呼び名を決めてね", "？"), "タマ");
    whenOpen<QInputDialog>([](QInputDialog* box) {
        box->setTextValue("タマ");
        box->reject();
    });
    EXPECT_EQ(dialogs.askText("呼び名を決めてね", "？"), "");
}

}  // namespace
}  // namespace mokopi::testing
