// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "game/game.h"
#include "media/picture_fixture.h"
#include "media/sounds.h"
#include "ui/dialogs.h"
#include "ui/game_session.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/pet_picture.h"
#include "ui/speech_panel.h"

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}  // failures show text

namespace mokopi::testing {

using namespace game;
using namespace media;

// Keeps every box as "kind: text", and its title; answers a question with `yes` and cancels a text box.
struct FakeDialogs final : ui::Dialogs {
    void message(const QString& title, const QString& text) override { keep(title, "message: " + text); }
    void fatal(const QString& title, const QString& text) override { keep(title, "fatal: " + text); }
    void about(const QString& title, const QString& text) override { keep(title, "about: " + title + "\n" + text); }
    bool askYesNo(const QString& title, const QString& text) override { return keep(title, "question: " + text), yes; }
    QString askText(const QString& title, const QString& prompt) override
    {
        return keep(title, "input: " + prompt), QString();
    }
    void keep(const QString& title, const QString& box) { titles << title, boxes << box; }
    QStringList boxes, titles;
    bool yes = false;
};

// The application in a language for as long as it lives, from the
// catalogues the build made; Japanese again after.
struct InLanguage {
    explicit InLanguage(ui::Language language) { EXPECT_TRUE(translations.use(language)); }
    ui::Translations translations{QStringLiteral(MOKOPI_BUILT_DATA_FOLDER)};
};

// A window on a folder of generated pictures, its boxes answered by the fake
// and its end recorded instead of leaving the test program.
struct WindowTest : ::testing::Test {
    void SetUp() override { writeFixturePictures(dir.path()); }
    // Start-up and, unless told otherwise, the first activation: the title waits for a click.
    void start(bool activate = true, int screenHeight = 768)
    {
        window = std::make_unique<ui::MainWindow>(screenHeight);
        session = std::make_unique<ui::GameSession>(*window, dialogs, std::make_unique<ClockSeededRandom>(7),
                                                    ui::SessionOptions{{dir.path(), dir.path(), {}},
                                                                       [this](int code) { exitCodes.push_back(code); },
                                                                       path("cache")});
        if (activate)
            window->show(), session->Form_Activate();
    }
    // From the title through the naming scene (the fake cancels both boxes) to the running clock.
    void startRaising()
    {
        start();
        for (int i = 0; i < 10 && !state().Scene.isNone(); ++i)
            clickSpeech();
        ASSERT_TRUE(timer("Tim")->isActive());
    }
    void clickSpeech(Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(speech(), button); }
    // One tick of a timer, as its interval would bring it.
    void fire(const char* name) { ASSERT_TRUE(QMetaObject::invokeMethod(timer(name), "timeout")); }
    // Whether the pet area shows one of these pictures: every fixture picture is one colour of its own.
    bool petShows(std::initializer_list<Picture> pictures)
    {
        const QImage image = child<ui::PetPicture>("IMG")->pixmap().toImage();
        const QRgb shown = image.pixel(image.width() / 2, image.height() / 2);
        return std::any_of(pictures.begin(), pictures.end(),
                           [&](Picture p) { return shown == fixtureColour(fileName(p)); });
    }
    // The checked buttons and menu items, the cleared endings and the clock.
    QString shown()
    {
        QStringList checked, cleared;
        for (const QObject* control : window->findChildren<QObject*>())
            if (control->property("checked").toBool())
                checked << control->objectName();
        for (int n = 0; n < EndingCount; ++n)
            if (action(QStringLiteral("mnuEnding%1").arg(n))->isEnabled())
                cleared << QString::number(n);
        return checked.join(' ') + " | cleared " + cleared.join(' ') + " | " + QString::number(timer("Tim")->interval())
            + (timer("Tim")->isActive() ? " ms running" : " ms stopped");
    }
    template <typename T = QWidget> T* child(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QAction* action(const QString& name) { return child<QAction>(name); }
    QTimer* timer(const char* name)
    {
        QTimer* found = session->findChild<QTimer*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* label) { return child<QLabel>(label)->text(); }
    ui::ClickLabel* speech() { return child<ui::ClickLabel>("Lbl"); }
    GameState& state() { return session->game().state(); }
    QString path(const char* file) const { return dir.filePath(file); }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::vector<int> exitCodes;
    std::unique_ptr<ui::MainWindow> window;
    std::unique_ptr<ui::GameSession> session;
};

}  // namespace mokopi::testing
