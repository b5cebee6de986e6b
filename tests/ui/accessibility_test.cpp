// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>

#include "ui/accessibility.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace media;

// Every control's name, description and role, and the fatigue bar's value, as a screen reader reads them
// over AT-SPI, are checked by the screen reader test; here the names that follow what the window shows.
struct AccessibilityTest : WindowTest {
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }
    QString name(const char* control)
    {
        return QAccessible::queryAccessibleInterface(child<QObject>(control))->text(QAccessible::Name);
    }
    static bool isJapanese(const QString& text)
    {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    }
};

TEST_F(AccessibilityTest, ThePictureIsNamedByWhatItShowsOneNameAPairAndEachEndingByItsOwn)
{
    EXPECT_TRUE(name("IMG").contains("もこぴ育成"));  // the title
    QSet<QString> names;
    for (int i = 0; i < PictureCount; ++i) {
        session->showPicture(pictureAt(i));
        EXPECT_TRUE(isJapanese(name("IMG"))) << i;
        names.insert(name("IMG"));
    }
    EXPECT_EQ(names.size(), 20);  // fourteen pairs and six single pictures
    for (int n = 0; n < EndingCount; ++n) {
        EXPECT_EQ(ui::pictureName(ending(n).pictures[0]), ui::pictureName(ending(n).pictures[1]));
        EXPECT_TRUE(
            ui::pictureName(ending(n).pictures[0]).startsWith(action(QStringLiteral("mnuEnding%1").arg(n))->text()))
            << n;
    }
}

TEST_F(AccessibilityTest, TheSpeechLineTheClockAndTheStatusReadAsTheyShow)
{
    session->setSpeech("こんにちは\r\nげんきです");
    session->showStatus(statusView(23, 9, {12, 34, 56, 78}, Rgb{}, Rgb{255, 255, 255}));
    EXPECT_EQ(QStringList({name("Lbl"), name("LblTimDay"), name("LblDay"), name("LblStr"), name("ShpHir")}).join(" | "),
              "こんにちは\nげんきです | 23時 | 9日 | 歌詩　　12\n舞踊　　34\n疲労　　56 | 疲労度");
    session->setSpeech("");  // between lines the speech line still says what it is
    session->setSpeechMarks(Rgb{}, "");
    EXPECT_TRUE(isJapanese(name("Lbl")) && isJapanese(name("LblKazari")));
}

}  // namespace mokopi::testing
