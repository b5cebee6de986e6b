// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include "game/chatter.h"
#include "game/page_text.h"
#include "support/game_scripts.h"
#include "ui/command_button.h"
#include "ui/help_text.h"
#include "ui/language.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {

using namespace game;
using namespace media;
namespace {

using LayoutTest = WindowTest;

// Edges in pixels of `area`, within a pixel of where the cells of a grid of `cells` x `cells` put them.
void expectPlaced(const QWidget* control, const QRect& r, const QSizeF& area, QRectF cell, double cells)
{
    const QRectF expected(cell.x() * area.width() / cells, cell.y() * area.height() / cells,
                          cell.width() * area.width() / cells, cell.height() * area.height() / cells);
    const std::string name = control->objectName().toStdString();
    EXPECT_NEAR(r.left(), expected.left(), 1) << name;
    EXPECT_NEAR(r.top(), expected.top(), 1) << name;
    EXPECT_NEAR(r.right() + 1, expected.right(), 1) << name;
    EXPECT_NEAR(r.bottom() + 1, expected.bottom(), 1) << name;
}

TEST_F(LayoutTest, EveryControlSitsOnItsCellsOfTheGridBelowTheMenuBarAndFontsFollowTheScreenHeight)
{
    // Written from the window's layout table: left, top, width and height in cells of the 10 x 10 grid.
    const std::pair<const char*, QRectF> grid[] = {
        {"IMG", {0, 0, 8, 8}},    {"Opt0", {8, 0, 2, 1}},   {"Opt1", {8, 1, 2, 1}},
        {"Opt2", {8, 2, 2, 1}},   {"Com", {8, 3, 2, 1}},    {"LblTimDay", {8, 4, 1, 1}},
        {"LblDay", {9, 4, 1, 1}}, {"PicStr", {8, 5, 2, 3}}, {"Pic", {0, 8, 10, 2}},
    };
    for (const auto& [screen, fonts] :
         {std::pair{768, "base 12, 12 12 12 12 12 12 24 24 11"}, {1080, "base 15, 15 15 15 15 15 15 30 30 14"}}) {
        SCOPED_TRACE(screen);
        start(false, screen);  // not shown: no frame, the window is the whole square
        const int outer = screen * 2 / 3;
        EXPECT_EQ(window->size(), QSize(outer, outer));
        const QWidget* client = window->centralWidget();
        EXPECT_EQ(client->size(), QSize(outer, outer - window->menuBar()->sizeHint().height()));
        for (const auto& [name, cell] : grid) {
            const QWidget* control = child(name);
            expectPlaced(control, QRect(control->mapTo(client, QPoint(0, 0)), control->size()), client->size(), cell,
                         10);
        }
        // Inside the panels: the status text keeps clear of its panel's edges, the speech line fills its
        // panel with its first line clear of the top edge, the click hint takes the panel's bottom fifth,
        // and the fatigue bar starts at the left edge, as high as the panel.
        const QRect statusText = child("LblStr")->geometry();
        EXPECT_TRUE(child("PicStr")->rect().contains(statusText));
        EXPECT_GE(std::min(statusText.left(), statusText.top()), 3);
        const QSize panel = child("Pic")->size();
        expectPlaced(child("Lbl"), child("Lbl")->geometry(), panel, {0, 0, 1, 1}, 1);
        EXPECT_GE(speech()->contentsRect().top(), 3);
        expectPlaced(child("LblKazari"), child("LblKazari")->geometry(), panel, {0, 0.8, 1, 0.2}, 1);
        session->showStatus(statusView(1, 0, {0, 0, 51, 0}, {}, {}));
        expectPlaced(child("ShpHir"), child("ShpHir")->geometry(), panel, {0, 0, 0.2, 1}, 1);

        QString sizes = QStringLiteral("base %1,").arg(window->layout().baseFontSize);
        for (const char* name : {"Opt0", "Opt1", "Opt2", "Com", "Lbl", "LblStr", "LblTimDay", "LblDay", "LblKazari"})
            sizes += QStringLiteral(" %1").arg(child(name)->font().pointSize());
        EXPECT_EQ(sizes, fonts);
    }
    for (const auto& [name, family] :
         {std::pair{"Lbl", "IPAPGothic"}, {"LblStr", "IPAPMincho"}, {"LblDay", "DejaVu Sans"}})
        EXPECT_EQ(QFontInfo(child(name)->font()).family(), family) << name;  // never boxes for Japanese text
}

// Whether `text` fits `area` of the control, laid out with `flags`: no clipped text.
void expectFits(const QWidget* control, const QRect& area, const QString& text, int flags)
{
    const QRect needed = QFontMetrics(control->font()).boundingRect(area, flags, text);
    EXPECT_TRUE(area.contains(needed)) << control->objectName().toStdString() << ": " << text.toStdString();
}

TEST_F(LayoutTest, EveryPageChatterLineCaptionAndTheHelpFitTheirPlaceAt768PixelsInEachLanguage)
{
    for (const ui::Language language : ui::AllLanguages) {
        SCOPED_TRACE(ui::languageCode(language).toStdString());
        const InLanguage inLanguage(language);
        start(false, 768);
        const std::string widestName = "ＷＷＷＷＷ";  // five of the widest characters
        const QRect aboveTheHint =
            speech()->contentsRect().intersected(QRect(0, 0, speech()->width(), child("LblKazari")->y()));
        const auto expectPageFits = [&](const Text& textTemplate) {
            const QString text =
                QString::fromStdString(render(ui::translateGameText(textTemplate), widestName, widestName))
                    .replace("\r\n", "\n");
            expectFits(speech(), aboveTheHint, text, int(speech()->alignment()) | Qt::TextWordWrap);
        };
        int pages = 0;
        for (const Script* script : allScripts())
            for (const Step& step : *script)
                for (const Reaction* shown : {&step.page, &step.left, &step.right})
                    if (!shown->text.empty())
                        expectPageFits(shown->text), ++pages;
        EXPECT_GT(pages, 100);
        for (int set = 0; set < 6; ++set)
            for (int n = 0; n < 5; ++n)
                expectPageFits(chatterLine(ChatterSet(set), n));

        // Captions go onto more lines where they must, but never break inside a word.
        for (const char* name : {"Opt0", "Opt1", "Opt2", "Com"}) {
            const auto* button = child<QPushButton>(name);
            const QRect inside = button->rect().adjusted(3, 3, -3, -3);
            const QFontMetrics metrics(button->font());
            const QString lines = ui::captionLines(button->text(), metrics, inside.width());
            expectFits(button, inside, lines, Qt::AlignCenter | Qt::TextWordWrap);
            for (const QString& word : lines.split(QRegularExpression("\\s+")))
                EXPECT_LE(metrics.horizontalAdvance(word), inside.width()) << word.toStdString();
        }
        // The status panel with every value at three digits, on lines that never wrap.
        session->showStatus(statusView(24, 24, {255, 255, 255, 255}, {}, {}, ui::translateGameText));
        const QLabel* status = child<QLabel>("LblStr");
        expectFits(status, status->rect(), status->text(), Qt::AlignLeft | Qt::AlignTop);

        // The boxes of the help button: room left on a 1366 x 768 screen for a title bar, margins and a button.
        for (const QString& box : {ui::versionText(), ui::helpText()}) {
            const QRect needed =
                QFontMetrics(QApplication::font()).boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft, box);
            EXPECT_LE(needed.width(), 1366 / 2);
            EXPECT_LE(needed.height(), 768 - 200);
        }
        // Too narrow for the whole help caption, Japanese breaks after "＆", never inside a word.
        if (language == ui::Language::Japanese) {
            const QFontMetrics metrics(child("Com")->font());
            const QString help = child<QPushButton>("Com")->text();
            EXPECT_EQ(ui::captionLines(help, metrics, metrics.horizontalAdvance(help) - 1), "バージョン＆\n遊び方");
        }
    }
}

}  // namespace
}  // namespace mokopi::testing
