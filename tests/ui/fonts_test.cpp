// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontInfo>

#include "ui/run_game.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

namespace {

// Their own ctest entries run these on a fontconfig holding one family of
// fonts only (FONTCONFIG_FILE).
bool fontsAre(const char* conf) { return qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1String(conf)); }

// The speech line of a window, drawn with `text` on it.
QImage shot(ui::MainWindow& window, const QString& text)
{
    auto* speech = window.findChild<ui::ClickLabel*>(QStringLiteral("Lbl"));
    speech->setText(text);
    return speech->grab().toImage();
}

// Kana drawn as boxes look just like as many characters of the private use
// area, which no font draws: every missing glyph is the same box.
const QString Kana = QStringLiteral("もこもこ");
const QString Unknown = QString(4, QChar(0xE000));

}  // namespace

TEST(OnlyVlGothic, TheJapaneseGameDrawsItsTextInRealGlyphs)
{
    ASSERT_TRUE(fontsAre("fonts-vlgothic.conf"));
    FakeDialogs dialogs;
    const ui::Translations& translations =
        ui::prepareApplication(*qApp, dialogs, MOKOPI_BUILT_DATA_FOLDER, ui::Language::Japanese);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(translations.language(), ui::Language::Japanese);

    ui::MainWindow window(768);
    for (const char* control : {"Lbl", "LblStr", "Opt0"})  // the gothic's and the mincho's places
        EXPECT_EQ(QFontInfo(window.findChild<QWidget*>(control)->font()).family(), "VL PGothic") << control;
    EXPECT_NE(shot(window, Kana), shot(window, Unknown));
}

TEST(OnlyDejaVu, StartUpSaysInBothLanguagesWhichPackagesBringJapaneseAndGoesOnInEnglish)
{
    ASSERT_TRUE(fontsAre("fonts-dejavu.conf"));
    FakeDialogs dialogs;
    const ui::Translations& translations =
        ui::prepareApplication(*qApp, dialogs, MOKOPI_BUILT_DATA_FOLDER, ui::Language::Japanese);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    for (const char* said : {"日本語のフォント", "No Japanese font", "fonts-ipafont", "google-noto-sans-cjk-fonts"})
        EXPECT_TRUE(dialogs.boxes[0].contains(QString::fromUtf8(said))) << said;
    EXPECT_EQ(translations.language(), ui::Language::English);
    ui::MainWindow window(768);
    EXPECT_EQ(window.windowTitle(), "Mokopi");
    EXPECT_EQ(shot(window, Kana), shot(window, Unknown));  // what Japanese would have been

    // English wants no Japanese font: asked for, it comes without a word.
    FakeDialogs quiet;
    EXPECT_EQ(ui::prepareApplication(*qApp, quiet, MOKOPI_BUILT_DATA_FOLDER, ui::Language::English).language(),
              ui::Language::English);
    EXPECT_TRUE(quiet.boxes.isEmpty());
}

}  // namespace mokopi::testing
