// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "game/chatter.h"
#include "game/page_text.h"
#include "ui/help_text.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace media;
namespace {

// Each control and timer of the window against the game handler it must
// reach, seen through what the game then shows.
using WiringTest = WindowTest;

TEST_F(WiringTest, EachButtonDoesItsOwnJobAndAnyPressOnThePetPetsIt)
{
    startRaising();
    for (int command : {0, 1, 2}) {
        QTest::mouseClick(child(QStringLiteral("Opt%1").arg(command)), Qt::LeftButton);
        EXPECT_EQ(state().Command, command);
        EXPECT_TRUE(child<QPushButton>(QStringLiteral("Opt%1").arg(command))->isChecked());
    }
    dialogs.boxes.clear();
    QTest::mouseClick(child("Com"), Qt::LeftButton);
    EXPECT_EQ(dialogs.boxes, QStringList({"message: " + ui::versionText(), "message: " + ui::helpText()}));
    EXPECT_FALSE(ui::helpText().contains('\r') || ui::helpText().endsWith('\n'));

    const int hours = state().Day * 24 + state().Hour, affection = state().Status[Affection];
    QTest::mousePress(child("IMG"), Qt::RightButton);
    EXPECT_EQ(state().Day * 24 + state().Hour, hours + 11);
    EXPECT_GE(state().Status[Affection], affection + 10);
    EXPECT_LE(state().Status[Affection], affection + 19);
    EXPECT_TRUE(petShows({Picture::lov}));
}

TEST_F(WiringTest, EachTimerTicksAtItsIntervalAndDrivesOnlyItsOwnPart)
{
    start();
    EXPECT_EQ(timer("TimAnm")->interval(), 100);
    EXPECT_EQ(timer("TimSya")->interval(), 1000);
    EXPECT_TRUE(timer("TimAnm")->isActive() && timer("TimSya")->isActive());
    EXPECT_FALSE(timer("Tim")->isActive());  // the title waits
    startRaising();
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuIVENT | cleared  | 500 ms running");
    action("mnuMODE")->trigger();
    EXPECT_EQ(shown(), "Opt2 mnuBGM mnuMODE mnuIVENT | cleared  | 100 ms running");
    action("mnuMODE")->trigger();
    EXPECT_EQ(timer("Tim")->interval(), 500);

    // The clock moves the hour, the animation the picture, the chatter the speech line; nothing else.
    const int hour = state().Hour;
    const QString speech = text("Lbl");
    fire("Tim");
    EXPECT_EQ(state().Hour, hour + 1);
    fire("TimAnm");
    EXPECT_TRUE(petShows({Picture::t0, Picture::t1}));
    const bool first = petShows({Picture::t0});
    fire("TimAnm");
    EXPECT_TRUE(petShows({first ? Picture::t1 : Picture::t0}));
    EXPECT_EQ(text("Lbl"), speech);
    fire("TimSya");
    QStringList resting;
    for (int n = 0; n < 5; ++n)
        resting << QString::fromStdString(
            render(chatterLine(ChatterSet::Resting, n).source, state().PetName, state().OwnerName));
    EXPECT_TRUE(resting.contains(text("Lbl"))) << text("Lbl").toStdString();
    EXPECT_EQ(state().Hour, hour + 1);
}

TEST_F(WiringTest, EachEndingItemReplaysItsOwnEndingWithItsPictures)
{
    startRaising();
    state().EndingCleared.fill(true);
    session->showClearedEndings(state().EndingCleared);
    dialogs.yes = true;
    for (int n = 0; n < EndingCount; ++n) {
        action(QStringLiteral("mnuEnding%1").arg(n))->trigger();
        EXPECT_EQ(state().Scene, SceneValue::ending(static_cast<std::int16_t>(n)));
        fire("TimAnm");
        EXPECT_TRUE(petShows({ending(n).pictures[0], ending(n).pictures[1]})) << n;
    }
}

TEST_F(WiringTest, ASceneMarksTheSpeechLineAndItsClickHintUntilItEndsAndAnAnswerShowsOnThePanel)
{
    startRaising();
    const QColor idle(55, 99, 55), scene(55, 55, 99);
    EXPECT_EQ(speech()->palette().color(QPalette::WindowText), idle);
    EXPECT_EQ(text("LblKazari"), "");
    session->game().IventStt("おはな");
    EXPECT_EQ(speech()->palette().color(QPalette::WindowText), scene);
    EXPECT_FALSE(text("LblKazari").isEmpty());
    clickSpeech();                 // to the page that offers the answers
    clickSpeech(Qt::RightButton);  // the right answer raises the song
    EXPECT_TRUE(text("LblStr").startsWith(QStringLiteral("歌詩\u3000\u3000%1\n").arg(state().Status[Song])));
    EXPECT_GT(state().Status[Song], 0);
    EXPECT_EQ(speech()->palette().color(QPalette::WindowText), idle);
    EXPECT_EQ(text("LblKazari"), "");
}

TEST_F(WiringTest, OnlyAPressAndReleaseOfOneButtonOnTheSpeechLineIsAClickAndALaterActivationStartsNothing)
{
    start();
    QTest::mousePress(speech(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(speech(), Qt::LeftButton, {}, QPoint(-5, speech()->height() + 5));  // dragged off
    QTest::mousePress(speech(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(speech(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(state().Scene, SceneValue("stop"));
    clickSpeech();
    clickSpeech();
    EXPECT_EQ(state().Scene, SceneValue("open"));
    const auto page = state().Page;
    for (int i = 0; i < 2; ++i) {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activation);
    }
    QTest::qWait(400);  // a start-up that waits for the window system would have run by now
    EXPECT_EQ(state().Scene, SceneValue("open"));
    EXPECT_EQ(state().Page, page);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

// Whether a box leaves the window manager room for its whole title beside the
// title bar's buttons.
bool roomForTitle(const QWidget& box)
{
    const QFontMetrics metrics(box.font());
    return box.width() >= metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
}

// The real boxes, answered once they are open: Yes is true, No false, any text
// shows as typed, and every box is wide enough for its title.
TEST(RealDialogs, YesIsTrueNoIsFalseAndAnyTextIsShownAsTyped)
{
    ui::QtDialogs dialogs;
    const QString name = QStringLiteral("<b>ポチ</b>");
    QStringList seen;
    const auto whenOpen = [&seen](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&seen, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen << box->windowTitle() + " " + box->text() + (box->textFormat() == Qt::PlainText ? " plain" : " rich")
                    + (roomForTitle(*box) ? "" : " narrow");
            if (QAbstractButton* answer = box->button(button))
                return answer->click();
            ADD_FAILURE() << "no such button in: " << box->text().toStdString();
            box->done(0);
        });
    };
    whenOpen(QMessageBox::Yes);
    EXPECT_TRUE(dialogs.askYesNo("もこぴ育成", name));
    whenOpen(QMessageBox::No);
    EXPECT_FALSE(dialogs.askYesNo("もこぴ育成", name));
    whenOpen(QMessageBox::Ok);
    dialogs.message("もこぴ育成", name);
    whenOpen(QMessageBox::Ok);
    dialogs.fatal("もこぴ育成", name);
    EXPECT_EQ(seen, QStringList(4, "もこぴ育成 <b>ポチ</b> plain"));

    for (const bool accept : {true, false}) {
        QTimer::singleShot(0, [accept] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(roomForTitle(*box));
            // Of a fixed size: no resize handle under its buttons.
            EXPECT_EQ(box->minimumSize(), box->maximumSize());
            box->setTextValue("タマ");
            accept ? box->accept() : box->reject();
        });
        EXPECT_EQ(dialogs.askText("呼び名を決めてね", "？"), accept ? "タマ" : "");
    }
}

}  // namespace
}  // namespace mokopi::testing
