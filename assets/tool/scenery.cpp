// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Backgrounds: each fills the whole canvas, 1000 high and as wide as the
// picture's shape makes it (Layer::canvas). What stands in the scene keeps
// its place in the middle 1000 x 1000; walls, skies and floors run on to the
// edges. Light pastel everywhere except where a story needs a grey day or a
// night far from home.
#include "drawers.h"
#include "recipe.h"
#include "shapes.h"

#include <QHash>
#include <QPainter>
#include <QtMath>

namespace art {

namespace {

void verticalGradient(QPainter& p, QRectF r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// The canvas from edge to edge between two heights.
QRectF band(const Layer& l, double top, double bottom)
{
    return {l.canvas().left(), top, l.canvas().width(), bottom - top};
}

// The first and last i for which things every `step` from `origin`, each
// reaching `reach` either side, still show on the canvas.
std::pair<int, int> repeats(const Layer& l, double origin, double step, double reach)
{
    return {int(std::floor((l.canvas().left() - reach - origin) / step)) + 1,
            int(std::ceil((l.canvas().right() + reach - origin) / step)) - 1};
}

// A light pattern over a wall or a sky: dots, little hearts or stars.
void pattern(QPainter& p, const QString& kind, const QColor& c, double bottom, Layer& l)
{
    if (kind == "none")
        return;
    if (kind != "dots" && kind != "hearts" && kind != "stars")
        l.fail("unknown pattern \"" + kind + "\"");
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const auto [first, last] = repeats(l, 30, 90, 45 + 30);
    for (int row = 0; row * 90 + 45 < bottom; ++row) {
        for (int col = first; col <= last; ++col) {
            p.save();
            p.translate(col * 90 + (row % 2) * 45 + 30, row * 90 + 45);
            if (kind == "dots") {
                p.drawEllipse(QPointF(0, 0), 9, 9);
            } else if (kind == "hearts") {
                p.scale(26, 26);
                p.drawPath(heartPath());
            } else {
                p.rotate(15 * jitter(3, row * 13 + col));
                p.scale(28, 28);
                p.drawPath(starPath(5, 0.5));
            }
            p.restore();
        }
    }
    p.restore();
}

void drawPlain(QPainter& p, Layer& l)
{
    const QColor top = l.colour("top", "cream");
    verticalGradient(p, band(l, 0, 1000), top, l.colour("bottom", top));
    pattern(p, l.text("pattern", "none"), withAlpha(l.colour("pattern_color", "pink"), l.num("pattern_alpha", 0.35)),
            1000, l);
}

void drawRoom(QPainter& p, Layer& l)
{
    const double floorY = l.num("floor_y", 730);
    const QColor wall = l.colour("wall", "cream");
    verticalGradient(p, band(l, 0, floorY), wall.lighter(103), wall);
    pattern(p, l.text("pattern", "dots"), withAlpha(l.colour("pattern_color", "pink"), 0.35), floorY - 30, l);
    if (l.flag("window", true)) {
        const QRectF w(110, 120, 230, 250);
        p.setPen(roundPen(paletteColour("wood_dark"), 8));
        verticalGradient(p, w, paletteColour("sky"), paletteColour("sky").lighter(112));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(w, 12, 12);
        p.drawLine(QPointF(w.center().x(), w.top()), QPointF(w.center().x(), w.bottom()));
        p.drawLine(QPointF(w.left(), w.center().y()), QPointF(w.right(), w.center().y()));
        p.setPen(roundPen(paletteColour("rose").lighter(115), 3));
        p.setBrush(paletteColour("pink"));
        for (int side : {-1, 1}) {
            QPainterPath c;
            const double x0 = side < 0 ? w.left() - 25 : w.right() + 25;
            c.moveTo(x0, w.top() - 20);
            c.lineTo(x0 - side * 70, w.top() - 20);
            c.quadTo(x0 - side * 20, w.center().y(), x0 - side * 45, w.bottom() + 20);
            c.lineTo(x0, w.bottom() + 20);
            c.closeSubpath();
            p.drawPath(c);
        }
        p.setPen(roundPen(paletteColour("wood_dark"), 10));
        p.drawLine(QPointF(w.left() - 40, w.top() - 22), QPointF(w.right() + 40, w.top() - 22));
    }
    const QColor floor = l.colour("floor", "wood");
    verticalGradient(p, band(l, floorY, 1000), floor.lighter(108), floor);
    p.setPen(roundPen(floor.darker(112), 3));
    for (int i = 1; i < 4; ++i) {
        const double y = floorY + i * (1000 - floorY) / 4;
        p.drawLine(QPointF(l.canvas().left(), y), QPointF(l.canvas().right(), y));
    }
    p.fillRect(band(l, floorY - 14, floorY + 4), mix(floor, Qt::white, 0.35));
    if (l.flag("rug", true)) {
        p.setPen(roundPen(mix(l.colour("rug_color", "mint"), paletteColour("ink"), 0.15), 4));
        p.setBrush(l.colour("rug_color", "mint"));
        p.drawEllipse(QPointF(l.num("rug_x", 500), floorY + 140), 300, 70);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(Qt::white, 4));
        p.drawEllipse(QPointF(l.num("rug_x", 500), floorY + 140), 260, 54);
    }
}

void drawSky(QPainter& p, Layer& l)
{
    const double groundY = l.num("ground_y", 760);
    verticalGradient(p, band(l, 0, groundY), l.colour("top", "sky"), l.colour("bottom", "cream"));
    if (l.flag("hills", true)) {
        const QColor far = l.colour("far", "mint");
        const double left = l.canvas().left(), right = l.canvas().right();
        QPainterPath h;
        h.moveTo(left, groundY);
        h.lineTo(0, groundY);
        h.cubicTo(180, groundY - 170, 360, groundY - 150, 520, groundY - 40);
        h.cubicTo(650, groundY - 190, 850, groundY - 180, 1000, groundY - 70);
        h.lineTo(right, groundY - 70 + (right - 1000) * 110 / 150);  // on down the last slope
        h.lineTo(right, groundY + 10);
        h.lineTo(left, groundY + 10);
        p.setPen(Qt::NoPen);
        p.setBrush(far);
        p.drawPath(h);
    }
    const QColor ground = l.colour("ground", "leaf");
    verticalGradient(p, band(l, groundY, 1000), ground.lighter(110), ground);
}

void pillar(QPainter& p, double x, double top, double bottom, double w, const QColor& c)
{
    QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
    g.setColorAt(0, c.darker(108));
    g.setColorAt(0.4, c.lighter(106));
    g.setColorAt(1, c.darker(115));
    p.setPen(roundPen(c.darker(130), 3));
    p.setBrush(g);
    p.drawRect(QRectF(x - w / 2, top, w, bottom - top));
    p.setBrush(paletteColour("gold"));
    p.setPen(roundPen(paletteColour("gold_dark"), 3));
    p.drawRect(QRectF(x - w / 2 - 12, top - 6, w + 24, 22));
    p.drawRect(QRectF(x - w / 2 - 12, bottom - 16, w + 24, 22));
    p.setPen(roundPen(c.darker(118), 3));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(x - w / 2 + i * w / 4, top + 20), QPointF(x - w / 2 + i * w / 4, bottom - 20));
}

void chandelier(QPainter& p, double x, double y, double s)
{
    p.save();
    p.translate(x, y);
    p.scale(s, s);
    p.setPen(roundPen(paletteColour("gold_dark"), 3));
    p.drawLine(QPointF(0, -y / s), QPointF(0, 0));
    p.setBrush(paletteColour("gold"));
    QPainterPath arms;
    arms.moveTo(-90, 10);
    arms.quadTo(0, 60, 90, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(paletteColour("gold"), 8));
    p.drawPath(arms);
    for (int i = -2; i <= 2; ++i) {
        const QPointF c(i * 45, 10 + 22 * (1 - (i * i) / 4.0) + 12);
        glow(p, c - QPointF(0, 22), 40, 40, paletteColour("butter"), 0.9);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(c.x() - 6, c.y() - 26, 12, 24), 3, 3);
        p.setBrush(paletteColour("apricot"));
        p.drawEllipse(c - QPointF(0, 32), 5, 8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(paletteColour("sky").lighter(105));
    for (int i = -3; i <= 3; ++i)
        p.drawEllipse(QPointF(i * 26, 52 - std::abs(i) * 6), 5, 8);
    p.restore();
}

void drawPalace(QPainter& p, Layer& l)
{
    const double floorY = 700;
    const QColor wall = l.colour("wall", "lilac");
    verticalGradient(p, band(l, 0, floorY), wall.lighter(112), wall);
    // Arches between the pillars, a door far back, banners.
    p.setPen(roundPen(wall.darker(112), 4));
    p.setBrush(wall.lighter(106));
    for (double cx : {200.0, 500.0, 800.0}) {
        QPainterPath a;
        a.moveTo(cx - 110, floorY);
        a.lineTo(cx - 110, 300);
        a.arcTo(QRectF(cx - 110, 190, 220, 220), 180, -180);
        a.lineTo(cx + 110, floorY);
        p.drawPath(a);
    }
    QPainterPath door;
    door.moveTo(440, floorY);
    door.lineTo(440, 470);
    door.arcTo(QRectF(440, 410, 120, 120), 180, -180);
    door.lineTo(560, floorY);
    p.setBrush(paletteColour("sky").lighter(104));
    p.drawPath(door);
    for (double cx : {200.0, 800.0}) {
        QPainterPath b;
        b.moveTo(cx - 45, 250);
        b.lineTo(cx + 45, 250);
        b.lineTo(cx + 45, 470);
        b.lineTo(cx, 430);
        b.lineTo(cx - 45, 470);
        b.closeSubpath();
        p.setPen(roundPen(paletteColour("gold_dark"), 4));
        p.setBrush(l.colour("banner", "rose"));
        p.drawPath(b);
        p.setPen(Qt::NoPen);
        p.setBrush(paletteColour("gold"));
        p.save();
        p.translate(cx, 330);
        p.scale(50, 50);
        p.drawPath(starPath(5, 0.5));
        p.restore();
    }
    // Floor and the carpet leading to the door.
    verticalGradient(p, band(l, floorY, 1000), paletteColour("cream"), paletteColour("peach"));
    p.setPen(roundPen(withAlpha(paletteColour("wood"), 0.6), 2));
    for (int i = -6; i <= 6; ++i)
        p.drawLine(QPointF(500 + i * 40, floorY), QPointF(500 + i * 200, 1000));
    QPainterPath carpet;
    carpet.moveTo(450, floorY);
    carpet.lineTo(550, floorY);
    carpet.lineTo(760, 1000);
    carpet.lineTo(240, 1000);
    carpet.closeSubpath();
    p.setPen(roundPen(paletteColour("gold"), 6));
    p.setBrush(l.colour("carpet", "red"));
    p.drawPath(carpet);
    for (double x : {60.0, 340.0, 660.0, 940.0})
        pillar(p, x, 80, floorY + 30, 70, paletteColour("paper"));
    if (l.flag("chandelier", true))
        chandelier(p, 500, 150, 1.0);
}

void drawCourt(QPainter& p, Layer& l)
{
    const double floorY = 690;
    const QColor wall = l.colour("wall", "peach");
    verticalGradient(p, band(l, 0, floorY), wall.lighter(112), wall);
    // Tall windows with drapes.
    for (double cx : {190.0, 500.0, 810.0}) {
        const QRectF w(cx - 80, 170, 160, 400);
        QPainterPath win;
        win.moveTo(w.left(), w.bottom());
        win.lineTo(w.left(), w.top() + 80);
        win.arcTo(QRectF(w.left(), w.top(), 160, 160), 180, -180);
        win.lineTo(w.right(), w.bottom());
        win.closeSubpath();
        QLinearGradient g(0, w.top(), 0, w.bottom());
        g.setColorAt(0, paletteColour("sky"));
        g.setColorAt(1, paletteColour("butter").lighter(110));
        p.setPen(roundPen(paletteColour("gold_dark"), 5));
        p.setBrush(g);
        p.drawPath(win);
        p.drawLine(QPointF(cx, w.top()), QPointF(cx, w.bottom()));
        p.setPen(roundPen(l.colour("drape", "rose").darker(120), 3));
        p.setBrush(l.colour("drape", "rose"));
        for (int side : {-1, 1}) {
            QPainterPath d;
            const double x0 = cx + side * 95;
            d.moveTo(x0, 140);
            d.lineTo(x0 - side * 40, 140);
            d.quadTo(x0 - side * 10, 380, x0 - side * 30, 600);
            d.lineTo(x0 + side * 10, 600);
            d.closeSubpath();
            p.drawPath(d);
        }
    }
    p.fillRect(band(l, 120, 136), paletteColour("gold"));
    // Chequered floor in perspective.
    verticalGradient(p, band(l, floorY, 1000), paletteColour("paper"), paletteColour("cream"));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(l.colour("tile", "lavender"), 0.55));
    const int rows = 6;
    for (int r = 0; r < rows; ++r) {
        const double y0 = floorY + (1000 - floorY) * std::pow(double(r) / rows, 1.4);
        const double y1 = floorY + (1000 - floorY) * std::pow(double(r + 1) / rows, 1.4);
        // Tiles narrow towards the back: each row has as many as reach both edges.
        const double backWidth = 70 * (0.5 + (y0 - 690) / 310 * 1.6);
        const int first = int(std::floor((l.canvas().left() - 500) / backWidth));
        const int last = int(std::ceil((l.canvas().right() - 500) / backWidth));
        for (int c = first; c < last; ++c) {
            if ((r + c) % 2 == 0)
                continue;
            auto xAt = [](double y, int col) { return 500 + col * 70 * (0.5 + (y - 690) / 310 * 1.6); };
            QPainterPath t;
            t.moveTo(xAt(y0, c), y0);
            t.lineTo(xAt(y0, c + 1), y0);
            t.lineTo(xAt(y1, c + 1), y1);
            t.lineTo(xAt(y1, c), y1);
            t.closeSubpath();
            p.drawPath(t);
        }
    }
    if (l.flag("chandelier", true))
        chandelier(p, 500, 110, 0.9);
}

void drawStage(QPainter& p, Layer& l)
{
    const double floorY = 740;
    verticalGradient(p, band(l, 0, floorY), l.colour("top", "lavender"), l.colour("bottom", "lilac"));
    pattern(p, "stars", withAlpha(Qt::white, 0.35), floorY - 80, l);
    // Boards.
    verticalGradient(p, band(l, floorY, 1000), paletteColour("wood"), paletteColour("wood_dark"));
    p.setPen(roundPen(withAlpha(paletteColour("wood_dark"), 0.8), 3));
    for (int i = -8; i <= 8; ++i)
        p.drawLine(QPointF(500 + i * 70, floorY), QPointF(500 + i * 130, 1000));
    p.fillRect(band(l, floorY - 6, floorY + 6), paletteColour("gold"));
    // Curtains with folds from the picture's edges, and a scalloped valance.
    const QColor curtain = l.colour("curtain", "rose");
    for (int side : {-1, 1}) {
        for (int fold = 0; fold < 3; ++fold) {
            QPainterPath c;
            const double x0 = side < 0 ? l.canvas().left() + fold * 55.0 : l.canvas().right() - fold * 55.0;
            c.moveTo(x0, 0);
            c.lineTo(x0 - side * 70, 0);
            c.quadTo(x0 - side * 95, 500, x0 - side * 45 - side * fold * 5, 1000);
            c.lineTo(x0 + side * 20, 1000);
            c.closeSubpath();
            QLinearGradient g(x0 - side * 80, 0, x0, 0);
            g.setColorAt(0, curtain.lighter(112));
            g.setColorAt(1, curtain.darker(118));
            p.setPen(roundPen(curtain.darker(135), 3));
            p.setBrush(g);
            p.drawPath(c);
        }
    }
    const double left = l.canvas().left(), right = l.canvas().right();
    const int scallops = qRound(l.canvas().width() / 100);
    const double scallop = l.canvas().width() / scallops;
    QPainterPath valance;
    valance.moveTo(left, 0);
    valance.lineTo(right, 0);
    valance.lineTo(right, 90);
    for (int i = scallops; i > 0; --i)
        valance.quadTo(left + (i - 0.5) * scallop, 150, left + (i - 1) * scallop, 90);
    valance.closeSubpath();
    p.setPen(roundPen(paletteColour("gold"), 8));
    p.setBrush(curtain.darker(108));
    p.drawPath(valance);
}

void drawStreet(QPainter& p, Layer& l)
{
    // A plain grey day: flat sky, plain houses, nothing happening.
    const double groundY = 760;
    verticalGradient(p, band(l, 0, groundY), l.colour("top", "grey"), l.colour("bottom", "grey_light"));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(paletteColour("grey_dark"), 0.25));
    for (auto [cx, cy, w] : {std::tuple{200.0, 130.0, 420.0}, {690.0, 90.0, 520.0}, {520.0, 230.0, 360.0}}) {
        p.save();
        p.translate(cx, cy);
        p.scale(w, w);
        p.drawPath(cloudPath());
        p.restore();
    }
    const QColor walls[] = {QColor(0xCF, 0xCB, 0xC6), QColor(0xC4, 0xC3, 0xCB), QColor(0xD3, 0xCE, 0xC2),
                            QColor(0xC9, 0xC6, 0xC8)};
    const auto [firstHouse, lastHouse] = repeats(l, 55, 220, 110);
    for (int i = firstHouse; i <= lastHouse; ++i) {
        const double x = -40 + i * 220, h = 250 + 40 * jitter(11, i);
        const QRectF house(x, groundY - h, 190, h);
        p.setPen(roundPen(paletteColour("grey_dark"), 3));
        p.setBrush(walls[(i % 4 + 4) % 4]);
        p.drawRect(house);
        QPainterPath roof;
        roof.moveTo(house.left() - 15, house.top());
        roof.lineTo(house.center().x(), house.top() - 80);
        roof.lineTo(house.right() + 15, house.top());
        roof.closeSubpath();
        p.setBrush(paletteColour("grey_dark"));
        p.drawPath(roof);
        p.setBrush(paletteColour("grey_light"));
        for (int w = 0; w < 2; ++w)
            p.drawRect(QRectF(house.left() + 30 + w * 80, house.top() + 40, 50, 50));
    }
    verticalGradient(p, band(l, groundY, 1000), paletteColour("grey_light"), paletteColour("grey"));
    p.setPen(roundPen(paletteColour("grey_dark"), 2));
    const auto [firstSlab, lastSlab] = repeats(l, 0, 90, 30);
    for (int i = firstSlab; i <= lastSlab; ++i)
        p.drawLine(QPointF(i * 90, groundY + 60), QPointF(i * 90 - 30, 1000));
    p.drawLine(QPointF(l.canvas().left(), groundY + 60), QPointF(l.canvas().right(), groundY + 60));
}

void drawRoad(QPainter& p, Layer& l)
{
    // Far from home: a long road to the horizon, home a speck at its end.
    const double horizon = 560;
    verticalGradient(p, band(l, 0, horizon), l.colour("top", "lavender"), l.colour("bottom", "dusk"));
    QPainterPath hills;
    hills.moveTo(l.canvas().left(), horizon);
    hills.lineTo(0, horizon);
    hills.cubicTo(150, horizon - 90, 300, horizon - 60, 420, horizon - 20);
    hills.cubicTo(560, horizon - 110, 800, horizon - 100, 1000, horizon - 30);
    hills.lineTo(l.canvas().right(), horizon - 30 + (l.canvas().right() - 1000) * 70 / 200);
    hills.lineTo(l.canvas().right(), horizon);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(paletteColour("violet"), 0.45));
    p.drawPath(hills);
    verticalGradient(p, band(l, horizon, 1000), l.colour("field_far", "#C9B79A"), l.colour("field", "#B3A184"));
    const double homeX = l.num("home_x", 380);
    QPainterPath road;
    road.moveTo(homeX - 4, horizon);
    road.lineTo(homeX + 4, horizon);
    road.cubicTo(homeX + 40, 700, 820, 820, 900, 1000);
    road.lineTo(380, 1000);
    road.cubicTo(430, 820, homeX - 10, 700, homeX - 4, horizon);
    road.closeSubpath();
    p.setBrush(l.colour("road", "#E2D3BC"));
    p.drawPath(road);
    // Home, far away, with a warm window.
    p.save();
    p.translate(homeX, horizon - 2);
    p.setBrush(paletteColour("wood_dark"));
    p.drawRect(QRectF(-14, -20, 28, 20));
    QPainterPath roof;
    roof.moveTo(-19, -20);
    roof.lineTo(0, -36);
    roof.lineTo(19, -20);
    p.setBrush(paletteColour("red").darker(120));
    p.drawPath(roof);
    p.setBrush(paletteColour("butter"));
    p.drawRect(QRectF(-5, -14, 8, 8));
    p.restore();
}

void drawNight(QPainter& p, Layer& l)
{
    const double groundY = 740;
    verticalGradient(p, band(l, 0, groundY), l.colour("top", "night"), l.colour("bottom", "violet"));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF s(500 + l.canvas().width() / 2 * jitter(21, i), 260 + 250 * jitter(22, i));
        p.setBrush(withAlpha(Qt::white, 0.4 + 0.3 * jitter(23, i)));
        p.drawEllipse(s, 2.5, 2.5);
    }
    // Strange rooftops of a faraway town, all windows dark.
    const QColor far = mix(paletteColour("night"), paletteColour("violet"), 0.35);
    p.setBrush(far);
    const auto [firstRoof, lastRoof] = repeats(l, 35, 160, 65);
    for (int i = firstRoof; i <= lastRoof; ++i) {
        const double x = -30 + i * 160, h = 190 + 60 * jitter(31, i);
        QPainterPath b;
        b.moveTo(x, groundY);
        b.lineTo(x, groundY - h);
        if (i % 2 != 0)
            b.arcTo(QRectF(x, groundY - h - 70, 130, 140), 180, -180);
        else
            b.lineTo(x + 65, groundY - h - 70);
        b.lineTo(x + 130, groundY - h);
        b.lineTo(x + 130, groundY);
        b.closeSubpath();
        p.drawPath(b);
    }
    verticalGradient(p, band(l, groundY, 1000), mix(paletteColour("night"), paletteColour("grey"), 0.5),
                     mix(paletteColour("night"), paletteColour("grey_dark"), 0.3));
    p.setPen(roundPen(withAlpha(paletteColour("night"), 0.6), 3));
    p.setBrush(Qt::NoBrush);
    const auto [firstStone, lastStone] = repeats(l, 25, 120, 85);
    for (int r = 0; r < 5; ++r)
        for (int c = firstStone; c <= lastStone; ++c)
            p.drawRoundedRect(QRectF(c * 120 - (r % 2) * 60, groundY + 10 + r * 52, 110, 44), 14, 14);
}

void drawHeaven(QPainter& p, Layer& l)
{
    verticalGradient(p, band(l, 0, 1000), l.colour("top", "butter"), l.colour("bottom", "lilac"));
    p.save();
    p.translate(500, -80);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.save();
        p.rotate(-48 + i * 12);
        QLinearGradient g(0, 0, 0, 1100);
        g.setColorAt(0, withAlpha(Qt::white, 0.6));
        g.setColorAt(1, withAlpha(Qt::white, 0));
        p.setBrush(g);
        QPainterPath ray;
        ray.moveTo(-8, 0);
        ray.lineTo(8, 0);
        ray.lineTo(45, 1100);
        ray.lineTo(-45, 1100);
        ray.closeSubpath();
        p.drawPath(ray);
        p.restore();
    }
    p.restore();
}

void drawTitle(QPainter& p, Layer& l)
{
    verticalGradient(p, band(l, 0, 1000), l.colour("top", "pink"), l.colour("bottom", "butter"));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 0.28));
    for (int i = -10; i < 10; ++i) {
        QPainterPath stripe;
        stripe.moveTo(i * 140, 0);
        stripe.lineTo(i * 140 + 60, 0);
        stripe.lineTo(i * 140 + 1060, 1000);
        stripe.lineTo(i * 140 + 1000, 1000);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    p.restore();
    pattern(p, l.text("pattern", "stars"), withAlpha(Qt::white, 0.55), 1000, l);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Qt::white, 14));
    // The frame keeps its distance from every edge.
    p.drawRoundedRect(band(l, 0, 1000).adjusted(28, 28, -28, -28), 50, 50);
    p.setPen(roundPen(l.colour("frame", "rose"), 5));
    p.drawRoundedRect(band(l, 0, 1000).adjusted(46, 46, -46, -46), 40, 40);
}

}  // namespace

Drawer findSceneryDrawer(const QString& kind)
{
    static const QHash<QString, Drawer> drawers = {
        {"plain", drawPlain}, {"room", drawRoom},     {"sky", drawSky},       {"palace", drawPalace},
        {"court", drawCourt}, {"stage", drawStage},   {"street", drawStreet}, {"road", drawRoad},
        {"night", drawNight}, {"heaven", drawHeaven}, {"title", drawTitle},
    };
    return drawers.value(kind, nullptr);
}

}  // namespace art
