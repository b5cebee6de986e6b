// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>

#include "ui/focus_mark.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace media;

using QTest::keyClick;

// The window shown, active and at the title, with its keys reaching it as
// the window system's would.
struct KeyTest : WindowTest {
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // A game under way with no scene: what the keys for commands and petting need.
    void play()
    {
        session->game().load({"タマ", "ポチ", {40, 3, 80, 12}, 17, 5, {}, true});
        state().eventsOn = false;  // every petting hour passes without a story
        dialogs.boxes.clear();     // the load's own message
    }
    // A key held down: its press, three repeats, its release.
    static void hold(QWidget* to, Qt::Key key, const QString& text)
    {
        QTest::simulateEvent(to, true, key, Qt::NoModifier, text, false);
        for (int i = 0; i < 3; ++i)
            QTest::simulateEvent(to, true, key, Qt::NoModifier, text, true);
        QTest::simulateEvent(to, false, key, Qt::NoModifier, text, false);
    }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none"; }
    QString clock() { return QStringLiteral("%1時 %2日").arg(state().Hour).arg(state().Day); }
};

TEST_F(KeyTest, SpeechLineKeysPressThenClickWithTheButtonTheyStandForOncePerKeyHeld)
{
    EXPECT_EQ(focused(), "Lbl");  // ready for the first key at the title
    QStringList log;
    QObject::connect(speech(), &ui::ClickLabel::pressed, [&](int code) { log << QString::number(code); });
    QObject::connect(speech(), &ui::ClickLabel::clicked, [&] { log << "click"; });
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Space, Qt::NoModifier},      {Qt::Key_Return, Qt::NoModifier},   {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Left, Qt::NoModifier},       {Qt::Key_Space, Qt::ShiftModifier}, {Qt::Key_Return, Qt::ShiftModifier},
        {Qt::Key_Menu, Qt::NoModifier},       {Qt::Key_Right, Qt::NoModifier},    {Qt::Key_A, Qt::NoModifier},
        {Qt::Key_Space, Qt::ControlModifier}, {Qt::Key_Up, Qt::NoModifier}};
    for (const auto& [k, modifiers] : keys) {
        keyClick(speech(), k, modifiers);
        log << QStringLiteral("(%1)").arg(state().ClickButton) << "|";
    }
    EXPECT_EQ(log.join(' '),
              "1 click (1) | 1 click (1) | 1 click (1) | 1 click (1) | 2 click (2) | 2 click (2) | "
              "2 click (2) | 2 click (2) | (2) | (2) | (2) |");
    EXPECT_EQ(state().Scene, SceneValue("open"));
    EXPECT_EQ(state().Page, 8);  // the title's click and seven steps of the naming scene

    log.clear();
    hold(speech(), Qt::Key_Space, " ");
    hold(speech(), Qt::Key_Right, "");
    EXPECT_EQ(log.join(' '), "1 click 2 click");
}

TEST_F(KeyTest, DigitsChooseTheCommandsPPetsF1HelpsAndTheMenuKeysSaveLoadAndQuitFromAnyControl)
{
    play();
    auto* group = window->findChild<QButtonGroup*>();
    QStringList clicked;
    QObject::connect(group, &QButtonGroup::idClicked, [&](int id) { clicked << QString::number(id); });
    for (const auto& [k, command] : {std::pair{Qt::Key_2, 1}, {Qt::Key_1, 0}, {Qt::Key_3, 2}, {Qt::Key_1, 0}}) {
        keyClick(speech(), k);
        EXPECT_EQ(state().Command, command);
        EXPECT_TRUE(group->button(command)->isChecked()) << command;
    }
    hold(speech(), Qt::Key_2, "2");
    EXPECT_EQ(clicked.join(' '), "1 0 2 0 1");  // the clicks of the buttons themselves, held once

    keyClick(speech(), Qt::Key_P);
    EXPECT_EQ(clock(), "4時 6日");  // eleven hours of petting from 17時 5日
    EXPECT_EQ(text("Lbl"), "きゃきゃ！");
    hold(speech(), Qt::Key_P, "p");
    EXPECT_EQ(clock(), "15時 6日");

    keyClick(child("Opt2"), Qt::Key_F1);
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_TRUE(dialogs.boxes[0].startsWith("message: もこぴ育成\nVER")
                && dialogs.boxes[1].startsWith("message: 生き物を"));
    keyClick(speech(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.boxes.last(), "message: セーブしました");
    state().Status = {};
    keyClick(child("LblStr"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.boxes.last(), "message: ロードしました");
    EXPECT_EQ(state().Status[0], 40);
    keyClick(child("IMG"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

TEST_F(KeyTest, TabGoesRoundTheControlsAndSpaceOrEnterOnThePetPetsIt)
{
    QStringList order;
    for (int i = 0; i < 7; ++i)
        keyClick(QApplication::focusWidget(), Qt::Key_Tab), order << focused();
    EXPECT_EQ(order.join(' '), "IMG Opt0 Com LblTimDay LblDay LblStr Lbl");  // the commands are one stop, as a choice
    keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), "LblStr");
    child("Opt0")->setFocus(Qt::TabFocusReason);
    keyClick(child("Opt0"), Qt::Key_Down);  // within the commands the arrows move, Space chooses
    EXPECT_EQ(focused() + " " + QString::number(state().Command), "Opt1 2");
    keyClick(child("Opt1"), Qt::Key_Space);
    EXPECT_EQ(state().Command, 1);

    play();
    child("IMG")->setFocus(Qt::TabFocusReason);
    for (const auto& [k, after] :
         {std::pair{Qt::Key_Space, "4時 6日"}, {Qt::Key_Return, "15時 6日"}, {Qt::Key_A, "15時 6日"}}) {
        keyClick(child("IMG"), k);
        EXPECT_EQ(clock(), after);
    }
    hold(child("IMG"), Qt::Key_Space, " ");
    EXPECT_EQ(clock(), "2時 7日");
    speech()->setFocus();
    QTest::mouseClick(child("IMG"), Qt::LeftButton);  // a click pets and leaves the focus on the speech line
    EXPECT_EQ(clock(), "13時 7日");
    EXPECT_EQ(focused(), "Lbl");
}

TEST_F(KeyTest, TheFocusMarkShowsOnlyWhileTheKeyboardIsInUse)
{
    auto* mark = window->findChild<ui::FocusMark*>();
    ASSERT_NE(mark, nullptr);
    QWidget* com = child("Com");
    const auto markPixel = [&] {
        return QColor(window->grab().toImage().pixel(com->mapTo(window.get(), QPoint(1, com->height() / 2))));
    };
    const QColor plain = markPixel();
    EXPECT_EQ(mark->marked(), nullptr);  // a mouse player never sees it

    com->setFocus(Qt::TabFocusReason);
    keyClick(com, Qt::Key_Tab);
    EXPECT_EQ(mark->marked(), child("LblTimDay"));
    keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(mark->marked(), com);
    EXPECT_EQ(mark->geometry(), QRect(com->mapTo(mark->parentWidget(), QPoint(0, 0)), com->size()));
    EXPECT_EQ(markPixel(), QColor(232, 64, 140));

    QTest::mousePress(child("LblDay"), Qt::LeftButton);
    EXPECT_EQ(mark->marked(), nullptr);
    EXPECT_EQ(markPixel(), plain);

    // The speech line's text begins at its top edge: marked, it stays whole.
    session->setSpeech("もこ、もこ、");
    const auto line = [&] {
        return window->grab(QRect(speech()->mapTo(window.get(), QPoint(0, 0)), speech()->size())).toImage();
    };
    const QImage unmarked = line();
    speech()->setFocus(Qt::TabFocusReason);
    keyClick(speech(), Qt::Key_Shift);
    ASSERT_EQ(mark->marked(), speech());
    const QImage marked = line();
    EXPECT_EQ(QColor(marked.pixel(1, marked.height() / 2)), QColor(232, 64, 140));
    // Ink stays ink: at most an edge pixel's blend with the mark beneath it changes.
    const auto differ = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    int inkCovered = 0;
    for (int y = 0; y < unmarked.height(); ++y)
        for (int x = 0; x < unmarked.width(); ++x)
            inkCovered += qGray(unmarked.pixel(x, y)) < 100 && differ(marked.pixel(x, y), unmarked.pixel(x, y)) > 60;
    EXPECT_EQ(inkCovered, 0);
}

}  // namespace mokopi::testing
