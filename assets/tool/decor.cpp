// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Small things placed around the pet: notes, hearts, sparkles, tears, props.
// Each is drawn about one unit across; placeItem() moves and sizes it.
#include "drawers.h"
#include "recipe.h"
#include "shapes.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QtMath>

namespace art {

namespace {

void filledShape(QPainter& p, Layer& l, const QPainterPath& path, const char* colour, double line = 0.06)
{
    placeItem(p, l, 60);
    const QColor c = l.colour("color", colour);
    p.setPen(roundPen(c.darker(125), line));
    p.setBrush(c);
    p.drawPath(path);
}

void drawNote(QPainter& p, Layer& l)
{
    const bool pair = l.text("style", "single") == "double";
    placeItem(p, l, 80);
    const QColor c = l.colour("color", "violet");
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    auto head = [&](double x, double y) {
        p.save();
        p.translate(x, y);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), 0.17, 0.12);
        p.restore();
    };
    head(-0.2, 0.32);
    p.setPen(roundPen(c, 0.07));
    p.drawLine(QPointF(-0.05, 0.3), QPointF(-0.05, -0.42));
    if (pair) {
        head(0.3, 0.22);
        p.drawLine(QPointF(0.45, 0.2), QPointF(0.45, -0.52));
        QPainterPath beam;
        beam.moveTo(-0.05, -0.42);
        beam.lineTo(0.45, -0.52);
        beam.lineTo(0.45, -0.38);
        beam.lineTo(-0.05, -0.28);
        beam.closeSubpath();
        p.setPen(Qt::NoPen);
        p.drawPath(beam);
    } else {
        QPainterPath flag;
        flag.moveTo(-0.05, -0.42);
        flag.cubicTo(0.1, -0.3, 0.32, -0.22, 0.22, 0.02);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flag);
    }
}

void drawHeart(QPainter& p, Layer& l)
{
    filledShape(p, l, heartPath(), "rose");
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 0.75));
    p.drawEllipse(QPointF(-0.24, -0.16), 0.08, 0.06);
}

void drawSparkle(QPainter& p, Layer& l)
{
    placeItem(p, l, 50);
    const QColor c = l.colour("color", "gold");
    glow(p, QPointF(0, 0), 0.5, 0.5, c, 0.5);
    p.setBrush(c);
    p.drawPath(sparklePath());
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 0.06, 0.06);
}

void drawStar(QPainter& p, Layer& l) { filledShape(p, l, starPath(5, 0.48), "gold", 0.05); }

void drawDrop(QPainter& p, Layer& l)
{
    filledShape(p, l, dropPath(), "water", 0.05);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 0.8));
    p.drawEllipse(QPointF(-0.1, 0.16), 0.07, 0.11);
}

void drawCloud(QPainter& p, Layer& l)
{
    placeItem(p, l, 200);
    const QColor c = l.colour("color", "white");
    p.setPen(roundPen(l.colour("line", c.darker(112)), 0.012));
    p.setBrush(c);
    p.drawPath(cloudPath());
}

void drawRain(QPainter& p, Layer& l)
{
    // Slanted drizzle over the whole picture, as thick on a wide one as on a
    // square; "offset" moves it between frames.
    const double offset = l.num("offset", 0);
    const double left = l.canvas().left() - 20, span = l.canvas().width() + 40;
    p.setOpacity(l.num("alpha", 0.6));
    p.setPen(roundPen(l.colour("color", "blue"), 4));
    for (int i = 0; i < qRound(70 * l.canvas().width() / 1000); ++i) {
        const double x =
            left + std::fmod(500 - l.canvas().left() + span / 2 * jitter(51, i) + offset * 0.3 + span, span);
        const double y = std::fmod(500 + 520 * jitter(52, i) + offset + 1040, 1040) - 20;
        p.drawLine(QPointF(x, y), QPointF(x - 8, y + 30));
    }
}

void drawHand(QPainter& p, Layer& l)
{
    // A kind hand coming from above, palm down.
    placeItem(p, l, 300);
    const QColor skin = l.colour("color", "skin");
    const QColor line = mix(skin, paletteColour("ink"), 0.45);
    QPainterPath sleeve;
    sleeve.addRoundedRect(QRectF(-0.2, -1.3, 0.4, 0.9), 0.06, 0.06);
    p.setPen(roundPen(paletteColour("blue").darker(115), 0.02));
    p.setBrush(paletteColour("sky"));
    p.drawPath(sleeve);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-0.25, -0.45, 0.5, 0.42), 0.2, 0.2);
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(-0.25 + i * 0.125 + 0.005, -0.12, 0.115, 0.3 - std::abs(i - 1.5) * 0.04), 0.06,
                            0.06);
    hand.addEllipse(QPointF(-0.3, -0.2), 0.07, 0.15);
    p.setPen(roundPen(line, 0.02));
    p.setBrush(skin);
    p.drawPath(merged(hand));
    p.setPen(roundPen(withAlpha(line, 0.6), 0.015));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(-0.25 + i * 0.125, 0.0), QPointF(-0.25 + i * 0.125, 0.12));
}

void drawMotion(QPainter& p, Layer& l)
{
    placeItem(p, l, 100);
    p.setPen(roundPen(l.colour("color", "violet"), 0.06));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath arc;
        const double r = 0.3 + i * 0.16;
        arc.moveTo(r * std::cos(-0.7), r * std::sin(-0.7));
        arc.quadTo(r * 1.25, 0, r * std::cos(0.7), r * std::sin(0.7));
        p.drawPath(arc);
    }
}

void drawFlower(QPainter& p, Layer& l)
{
    placeItem(p, l, 60);
    const QColor c = l.colour("color", "pink");
    if (l.flag("stem", false)) {
        p.setPen(roundPen(paletteColour("leaf").darker(115), 0.07));
        p.drawLine(QPointF(0, 0), QPointF(0, 1.2));
    }
    paintFlower(p, c);
}

void drawPetal(QPainter& p, Layer& l)
{
    placeItem(p, l, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(l.colour("color", "pink"));
    QPainterPath petal;
    petal.moveTo(0, -0.5);
    petal.quadTo(0.45, -0.1, 0.08, 0.5);
    petal.lineTo(0, 0.38);
    petal.lineTo(-0.08, 0.5);
    petal.quadTo(-0.45, -0.1, 0, -0.5);
    p.drawPath(petal);
}

void drawLeaf(QPainter& p, Layer& l)
{
    placeItem(p, l, 40);
    const QColor c = l.colour("color", "wood");
    QPainterPath leaf;
    leaf.moveTo(0, -0.5);
    leaf.quadTo(0.4, 0, 0, 0.5);
    leaf.quadTo(-0.4, 0, 0, -0.5);
    p.setPen(roundPen(c.darker(130), 0.05));
    p.setBrush(c);
    p.drawPath(leaf);
    p.drawLine(QPointF(0, -0.45), QPointF(0, 0.6));
}

void drawSpotlight(QPainter& p, Layer& l)
{
    // A cone of light from "x","y" down to an ellipse of "width" at "to_y".
    const QPointF top(l.num("x", 500), l.num("y", 0));
    const double toY = l.num("to_y", 900), width = l.num("width", 420), alpha = l.num("alpha", 0.55);
    const QColor c = l.colour("color", "butter");
    const double bottomX = l.num("to_x", top.x());
    QPainterPath cone;
    cone.moveTo(top.x() - 30, top.y());
    cone.lineTo(top.x() + 30, top.y());
    cone.lineTo(bottomX + width / 2, toY);
    cone.lineTo(bottomX - width / 2, toY);
    cone.closeSubpath();
    QLinearGradient g(top, QPointF(bottomX, toY));
    g.setColorAt(0, withAlpha(c, alpha * 0.3));
    g.setColorAt(1, withAlpha(c, alpha));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(cone);
    p.setBrush(withAlpha(c.lighter(110), alpha * 1.2));
    p.drawEllipse(QPointF(bottomX, toY), width / 2, width * 0.12);
}

QFont fontFor(Layer& l)
{
    const QString face = l.text("font", "gothic");
    QFont font(face == "mincho" ? "IPAPMincho" : "IPAPGothic");
    if (face != "gothic" && face != "mincho")
        l.fail("unknown font \"" + face + "\"");
    font.setPixelSize(int(l.num("size", 60)));
    font.setLetterSpacing(QFont::AbsoluteSpacing, l.num("spacing", 0));
    return font;
}

void drawText(QPainter& p, Layer& l)
{
    // Text as outlines, so it can carry a thick soft border like a sticker.
    const QString text = l.text("text", "");
    const QFont font = fontFor(l);
    const QPointF at(l.num("x", 500), l.num("y", 500));
    p.setOpacity(l.num("alpha", 1));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(at.x() - box.center().x(), at.y() - box.center().y());
    p.translate(at);
    p.rotate(l.num("rotate", 0));
    p.translate(-at);
    const double border = l.num("border", 0), weight = l.num("weight", 0), drop = l.num("shadow", 0);
    if (drop > 0) {
        const QColor shade = withAlpha(l.colour("shadow_color", "violet"), 0.35);
        p.setPen(roundPen(shade, border + weight));
        p.setBrush(shade);
        p.drawPath(path.translated(drop, drop));
    }
    if (border > 0) {
        p.setPen(roundPen(l.colour("border_color", "white"), border + weight));
        p.setBrush(l.colour("border_color", "white"));
        p.drawPath(path);
    }
    const QColor c = l.colour("color", "ink");
    const QColor bottom = l.colour("color_bottom", c);
    QLinearGradient g(0, at.y() - box.height() / 2, 0, at.y() + box.height() / 2);
    g.setColorAt(0, c);
    g.setColorAt(1, bottom);
    // A stroke in the fill's own colours makes thin strokes of the font bolder.
    p.setPen(weight > 0 ? QPen(QBrush(g), weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(g);
    p.drawPath(path);
}

void drawLetter(QPainter& p, Layer& l)
{
    placeItem(p, l, 160);
    QPainterPath paper;
    paper.addRoundedRect(QRectF(-0.5, -0.36, 1, 0.72), 0.04, 0.04);
    p.setPen(roundPen(paletteColour("wood_dark"), 0.02));
    p.setBrush(paletteColour("paper"));
    p.drawPath(paper);
    p.setPen(roundPen(withAlpha(paletteColour("wood_dark"), 0.6), 0.018));
    QPainterPath flap;
    flap.moveTo(-0.5, -0.34);
    flap.lineTo(0, 0.05);
    flap.lineTo(0.5, -0.34);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.save();
    p.translate(0, 0.04);
    p.scale(0.2, 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(l.colour("color", "rose"));
    p.drawPath(heartPath());
    p.restore();
}

void drawHouse(QPainter& p, Layer& l)
{
    placeItem(p, l, 120);
    const QColor wall = l.colour("color", "peach"), roof = l.colour("roof", "red");
    p.setPen(roundPen(wall.darker(140), 0.02));
    p.setBrush(wall);
    p.drawRect(QRectF(-0.4, -0.3, 0.8, 0.6));
    QPainterPath r;
    r.moveTo(-0.5, -0.28);
    r.lineTo(0, -0.7);
    r.lineTo(0.5, -0.28);
    r.closeSubpath();
    p.setBrush(roof);
    p.drawPath(r);
    p.setBrush(l.flag("lit", true) ? paletteColour("butter") : paletteColour("grey_dark"));
    p.drawRect(QRectF(-0.28, -0.15, 0.2, 0.18));
    p.setBrush(paletteColour("wood_dark"));
    p.drawRect(QRectF(0.08, -0.05, 0.18, 0.35));
}

void drawTree(QPainter& p, Layer& l)
{
    placeItem(p, l, 300);
    const bool bare = l.flag("bare", false);
    p.setPen(roundPen(paletteColour("wood_dark"), bare ? 0.045 : 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, 0.5), QPointF(0, -0.05));
    if (bare) {
        for (int i = 0; i < 5; ++i) {
            const double y = 0.15 - i * 0.1, side = (i % 2) ? 1 : -1;
            QPainterPath b;
            b.moveTo(0, y);
            b.quadTo(side * 0.12, y - 0.1, side * (0.22 + 0.04 * i), y - 0.22);
            p.drawPath(b);
        }
        p.drawLine(QPointF(0, -0.05), QPointF(0.02, -0.45));
        return;
    }
    const QColor c = l.colour("color", "leaf");
    p.setPen(roundPen(c.darker(130), 0.015));
    p.setBrush(c);
    p.drawPath(fluffyBlob(0.34, 0.3, 12, 0.12, 0.3, 5).translated(0, -0.2));
}

void drawAudience(QPainter& p, Layer& l)
{
    // Heads and raised paws at the front edge of the stage, seen from behind,
    // a row that runs on past both edges of the picture.
    const double y = l.num("y", 960), bob = l.num("bob", 0);
    const QColor c = l.colour("color", "plum");
    p.setPen(Qt::NoPen);
    const int first = int(std::floor((l.canvas().left() - 140) / 110)) + 1;
    const int last = int(std::ceil((l.canvas().right() + 20) / 110)) - 1;
    for (int i = first; i <= last; ++i) {
        const double x = 60 + i * 110 + 20 * jitter(61, i);
        const double dy = (i % 2 ? bob : -bob) + 15 * jitter(62, i);
        p.setBrush(mix(c, paletteColour("violet"), 0.2 * (i % 3)));
        p.drawEllipse(QPointF(x, y + dy), 60, 58);
        p.drawEllipse(QPointF(x - 38, y + dy - 48), 14, 18);
        p.drawEllipse(QPointF(x + 38, y + dy - 48), 14, 18);
    }
}

void drawRibbon(QPainter& p, Layer& l)
{
    // A dancer's ribbon: a swirl from the paw, its phase shifted per frame.
    placeItem(p, l, 300);
    const double phase = l.num("phase", 0);
    QPainterPath r;
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        const QPointF pt(t * 1.0 - 0.5, 0.18 * std::sin(t * 3 * M_PI + phase) * (0.4 + t));
        i == 0 ? r.moveTo(pt) : r.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(l.colour("color", "rose"), 0.045));
    p.drawPath(r);
}

void drawLamp(QPainter& p, Layer& l)
{
    placeItem(p, l, 500);
    glow(p, QPointF(0, -0.4), 0.45, 0.45, paletteColour("butter"), 0.7);
    p.setPen(roundPen(paletteColour("ink"), 0.03));
    p.drawLine(QPointF(0, 0.5), QPointF(0, -0.33));
    p.setBrush(paletteColour("butter"));
    QPainterPath head;
    head.moveTo(-0.07, -0.32);
    head.lineTo(0.07, -0.32);
    head.lineTo(0.1, -0.48);
    head.lineTo(-0.1, -0.48);
    head.closeSubpath();
    p.drawPath(head);
    p.setBrush(paletteColour("ink"));
    p.drawRect(QRectF(-0.12, -0.52, 0.24, 0.05));
}

void drawMoon(QPainter& p, Layer& l)
{
    placeItem(p, l, 120);
    QPainterPath full, bite;
    full.addEllipse(QPointF(0, 0), 0.5, 0.5);
    bite.addEllipse(QPointF(0.25, -0.15), 0.42, 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(l.colour("color", "butter"));
    p.drawPath(cut(full, bite));
}

void drawEllipse(QPainter& p, Layer& l)
{
    const QPointF c(l.num("x", 500), l.num("y", 500));
    const double w = l.num("w", 100), h = l.num("h", 100);
    p.setOpacity(l.num("alpha", 1));
    const double line = l.num("line", 0);
    p.setPen(line > 0 ? roundPen(l.colour("line_color", "ink"), line) : QPen(Qt::NoPen));
    p.setBrush(l.colour("color", "white"));
    const double corner = l.num("corner", -1);
    if (corner >= 0)
        p.drawRoundedRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h), corner, corner);
    else
        p.drawEllipse(c, w / 2, h / 2);
}

void drawUmbrella(QPainter& p, Layer& l)
{
    placeItem(p, l, 300);
    const QColor c = l.colour("color", "grey");
    p.setPen(roundPen(paletteColour("grey_dark"), 0.025));
    p.drawLine(QPointF(0, -0.42), QPointF(0, 0.6));
    QPainterPath hook;
    hook.moveTo(0, 0.6);
    hook.quadTo(0, 0.7, -0.07, 0.68);
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    QPainterPath canopy;
    canopy.moveTo(-0.5, -0.1);
    canopy.cubicTo(-0.45, -0.52, 0.45, -0.52, 0.5, -0.1);
    for (int i = 3; i >= 0; --i)
        canopy.quadTo(-0.5 + (i + 0.5) * 0.25, -0.18, -0.5 + i * 0.25, -0.1);
    canopy.closeSubpath();
    p.setBrush(c);
    p.drawPath(canopy);
}

void drawPuff(QPainter& p, Layer& l)
{
    placeItem(p, l, 80);
    p.setPen(roundPen(l.colour("line", "grey"), 0.04));
    p.setBrush(l.colour("color", "white"));
    p.drawPath(fluffyBlob(0.4, 0.3, 7, 0.25, 0.2, 9));
}

}  // namespace

Drawer findDecorDrawer(const QString& kind)
{
    static const QHash<QString, Drawer> drawers = {
        {"note", drawNote},           {"heart", drawHeart},       {"sparkle", drawSparkle},   {"star", drawStar},
        {"drop", drawDrop},           {"cloud", drawCloud},       {"rain", drawRain},         {"hand", drawHand},
        {"motion", drawMotion},       {"flower", drawFlower},     {"petal", drawPetal},       {"leaf", drawLeaf},
        {"spotlight", drawSpotlight}, {"text", drawText},         {"letter", drawLetter},     {"house", drawHouse},
        {"tree", drawTree},           {"audience", drawAudience}, {"ribbon", drawRibbon},     {"lamp", drawLamp},
        {"moon", drawMoon},           {"ellipse", drawEllipse},   {"umbrella", drawUmbrella}, {"puff", drawPuff},
    };
    return drawers.value(kind, nullptr);
}

}  // namespace art
