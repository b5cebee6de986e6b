#include <QFontMetrics>
#include <QMenuBar>
#include <QPushButton>

#include "game/chatter.h"
#include "game/page_text.h"
#include "game/status_display.h"
#include "support/game_scripts.h"
#include "ui/help_text.h"
#include "ui/window_fixture.h"

namespace mokopi::testing {
namespace {

using LayoutTest = WindowTest;

// Written from the window's layout table: left, top, width and height in cells of the 10 x 10 grid.
struct Placement {
    const char* control;
    double left, top, width, height;
};
const Placement Grid[] = {
    {"IMG", 0, 0, 8, 8},       {"Opt0", 8, 0, 2, 1},   {"Opt1", 8, 1, 2, 1},   {"Opt2", 8, 2, 2, 1}, {"Com", 8, 3, 2, 1},
    {"LblTimDay", 8, 4, 1, 1}, {"LblDay", 9, 4, 1, 1}, {"PicStr", 8, 5, 2, 3}, {"Pic", 0, 8, 10, 2},
};

// Edges in pixels of `area`, within a pixel of where the fractions put them.
void expectPlaced(const QRect& r, const QSizeF& area, double left, double top, double width, double height,
                  const char* what)
{
    EXPECT_NEAR(r.left(), left * area.width(), 1) << what;
    EXPECT_NEAR(r.top(), top * area.height(), 1) << what;
    EXPECT_NEAR(r.right() + 1, (left + width) * area.width(), 1) << what;
    EXPECT_NEAR(r.bottom() + 1, (top + height) * area.height(), 1) << what;
}

TEST_F(LayoutTest, EveryControlSitsOnItsCellsOfTheGridBelowTheMenuBarAtAnyScreenHeight)
{
    for (const int screen : {768, 1080}) {
        SCOPED_TRACE(screen);
        start(false, screen);  // not shown: no frame, the window is the whole square
        const int outer = screen * 2 / 3;
        EXPECT_EQ(window->size(), QSize(outer, outer));
        const QWidget* client = window->centralWidget();
        EXPECT_EQ(client->size(), QSize(outer, outer - window->menuBar()->sizeHint().height()));
        for (const Placement& p : Grid) {
            const QWidget* control = child(p.control);
            const QRect r(control->mapTo(client, QPoint(0, 0)), control->size());
            expectPlaced(r, client->size(), p.left / 10, p.top / 10, p.width / 10, p.height / 10, p.control);
        }
        // Inside the panels: the status text fills its panel, the speech line its panel, the click hint
        // the panel's bottom fifth, and the fatigue bar starts at the left edge, as high as the panel.
        EXPECT_EQ(child("LblStr")->geometry(), child("PicStr")->rect());
        const QSize panel = child("Pic")->size();
        expectPlaced(child("Lbl")->geometry(), panel, 0, 0, 1, 1, "Lbl");
        expectPlaced(child("LblKazari")->geometry(), panel, 0, 0.8, 1, 0.2, "LblKazari");
        window->showStatus(StatusView{1, 0, {0, 0, 51, 0}, {}, {}, 51});
        expectPlaced(child("ShpHir")->geometry(), panel, 0, 0, 0.2, 1, "ShpHir");
    }
}

// The longest names there are: five of the widest characters.
const std::string WidestName = "ＷＷＷＷＷ";

QString onScreen(std::string_view textTemplate)
{
    return QString::fromStdString(render(textTemplate, WidestName, WidestName)).replace("\r\n", "\n");
}

TEST_F(LayoutTest, EveryPageAndChatterLineFitsTheSpeechLineAboveTheClickHintAt768Pixels)
{
    start(false, 768);
    const QFontMetrics metrics(speech()->font());
    const int room = child("LblKazari")->y();
    const auto expectFits = [&](std::string_view textTemplate) {
        if (textTemplate.empty())
            return;
        const QString text = onScreen(textTemplate);
        const QRect needed = metrics.boundingRect(QRect(0, 0, speech()->width(), 10000),
                                                  int(speech()->alignment()) | Qt::TextWordWrap, text);
        EXPECT_LE(needed.height(), room) << text.toStdString();
    };
    int pages = 0;
    for (const Script* script : allScripts())
        for (const Step& step : *script)
            for (const Reaction* shown : {&step.page, &step.left, &step.right})
                expectFits(shown->text), pages += !shown->text.empty();
    EXPECT_GT(pages, 100);
    for (const ChatterSet set : {ChatterSet::WornOut, ChatterSet::LovesSinging, ChatterSet::LovesDancing,
                                 ChatterSet::Singing, ChatterSet::Dancing, ChatterSet::Resting})
        for (int n = 0; n < 5; ++n)
            expectFits(chatterLine(set, n));
}

TEST_F(LayoutTest, CaptionsTheClockAndTheStatusFitTheirControlsAt768Pixels)
{
    start(false, 768);
    const auto expectFits = [](const QWidget* control, const QRect& area, const QString& text, int flags) {
        const QRect needed = QFontMetrics(control->font()).boundingRect(area, flags | Qt::TextWordWrap, text);
        EXPECT_TRUE(area.contains(needed)) << control->objectName().toStdString() << ": " << text.toStdString();
    };
    for (const char* name : {"Opt0", "Opt1", "Opt2", "Com"}) {
        const auto* button = child<QPushButton>(name);
        expectFits(button, button->rect().adjusted(3, 3, -3, -3), button->text(), Qt::AlignCenter);
    }
    for (int hour = 0; hour <= 24; ++hour) {
        const StatusView view{static_cast<std::int16_t>(hour), static_cast<std::uint8_t>(hour), {}, {}, {}, 0};
        for (const auto& [label, caption] : {std::pair{"LblTimDay", hourCaption(view)}, {"LblDay", dayCaption(view)}})
            expectFits(child(label), child<QLabel>(label)->contentsRect(), QString::fromStdString(caption), Qt::AlignCenter);
    }
    const StatusView full{24, 24, {255, 255, 255, 255}, {}, {}, 255};
    expectFits(child("LblStr"), child("LblStr")->rect(), QString::fromStdString(statusCaption(full)).replace("\r\n", "\n"),
               Qt::AlignLeft | Qt::AlignTop);
}

TEST(HelpText, FitsABoxOnA768PixelScreen)
{
    const QString help = ui::helpText();
    const QRect needed = QFontMetrics(QApplication::font()).boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft, help);
    EXPECT_LE(needed.width(), 1366 / 2);
    EXPECT_LE(needed.height(), 768 - 200);  // room left for the box's title bar, margins and button
}

}  // namespace
}  // namespace mokopi::testing
