#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "core/game.h"
#include "media/picture_fixture.h"
#include "media/picture_store.h"
#include "media/sound_bank.h"
#include "ui/fake_dialogs.h"
#include "ui/main_window.h"
#include "ui/speech_panel.h"

namespace mokopi::testing {

// A window started on a folder of generated pictures, its boxes answered by
// a fake and its end recorded instead of leaving the test program.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writeFixturePictures(dir.path());
    }

    ui::WindowOptions options(int screenHeight = 768)
    {
        ui::WindowOptions o;
        o.appPath = dir.path();  // no trailing "/": the window adds it
        o.screenHeightPixels = screenHeight;
        o.endProgram = [this](int code) { exitCodes.push_back(code); };
        return o;
    }

    ui::MainWindow& start(int screenHeight = 768)
    {
        window = std::make_unique<ui::MainWindow>(dialogs, std::make_unique<ClockSeededRandom>(7),
                                                  options(screenHeight));
        return *window;
    }

    // Start-up through the first activation: the title scene waits.
    ui::MainWindow& startAndActivate()
    {
        start();
        window->show();
        window->Form_Activate();
        return *window;
    }

    // From the title through naming (both boxes cancelled) to the clock.
    void playToRunningClock()
    {
        for (int i = 0; i < 10; ++i)
            clickSpeech();
    }

    // Lets the event loop run until the condition holds or 10 s have passed.
    template <typename Condition>
    static bool waitUntil(Condition condition)
    {
        return QTest::qWaitFor(condition, 10000);
    }

    void clickSpeech(Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(speech(), button); }

    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }

    template <typename T>
    T* child(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction* action(const QString& name) { return child<QAction>(name); }
    QTimer* timer(const char* name) { return child<QTimer>(QString::fromLatin1(name)); }
    ui::ClickLabel* speech() { return child<ui::ClickLabel>(QStringLiteral("Lbl")); }
    QLabel* label(const char* name) { return child<QLabel>(QString::fromLatin1(name)); }
    GameState& state() { return window->game().state(); }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::vector<int> exitCodes;
    std::unique_ptr<ui::MainWindow> window;
};

}  // namespace mokopi::testing
