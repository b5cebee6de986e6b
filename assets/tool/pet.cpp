// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// もこぴ: one drawing with parameters, so every picture shows the same
// creature. Everything is drawn around the body centre with the body radius
// as the unit; the feet stand on y = 1.08.
#include "drawers.h"
#include "recipe.h"
#include "shapes.h"

#include <QPainter>
#include <QtMath>

namespace art {

namespace {

constexpr double Ground = 1.08;

struct Fur {
    QColor base, light, shade, line, ear;
    double weight = 1;  // outline width factor: bolder for tiny sizes like the icon
};

Fur furFrom(QColor base, double dull)
{
    // Worn-out creatures lose their colour: grey it and darken it a little.
    if (dull > 0) {
        const QColor grey = QColor::fromHslF(base.hslHueF(), 0.05f, float(base.lightnessF() * 0.9));
        base = mix(base, grey, 0.75 * dull);
    }
    Fur f;
    f.base = base;
    f.light = mix(base, Qt::white, 0.7);
    f.shade = mix(base, paletteColour("outline"), 0.3);
    f.line = mix(base, paletteColour("ink"), 0.55);
    f.ear = mix(base, paletteColour("ear_inner"), 0.75 * (1 - dull));
    return f;
}

QPointF mirrored(QPointF pt, int side) { return {pt.x() * side, pt.y()}; }

void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& line, double width)
{
    p.setBrush(brush);
    p.setPen(roundPen(line, width));
    p.drawPath(path);
}

QRadialGradient softFill(const Fur& f, QPointF light, double radius)
{
    QRadialGradient g(light, radius);
    g.setColorAt(0, f.light);
    g.setColorAt(0.45, f.base);
    g.setColorAt(1, f.shade);
    return g;
}

void drawEar(QPainter& p, const Fur& f, int side, double droop, double width)
{
    p.save();
    p.translate(0.44 * side * width, -0.76);
    p.rotate(side * (24 + droop));
    QPainterPath ear;
    ear.moveTo(-0.22, 0.08);
    ear.cubicTo(-0.22, -0.16, -0.1, -0.4, 0.0, -0.42);
    ear.cubicTo(0.1, -0.4, 0.22, -0.16, 0.22, 0.08);
    ear.closeSubpath();
    fillOutlined(p, ear, f.base, f.line, 0.035 * f.weight);
    p.translate(0, 0.02);
    p.scale(0.58, 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(f.ear);
    p.drawPath(ear);
    p.restore();
}

void drawTuft(QPainter& p, const Fur& f)
{
    QPainterPath t;
    t.moveTo(-0.2, -0.86);
    t.quadTo(-0.22, -1.06, -0.06, -1.05);
    t.quadTo(-0.02, -1.2, 0.1, -1.12);
    t.quadTo(0.24, -1.1, 0.2, -0.86);
    t.closeSubpath();
    fillOutlined(p, t, f.base, f.line, 0.035 * f.weight);
}

void drawFoot(QPainter& p, const Fur& f, QPointF at, double angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath foot;
    foot.addEllipse(QPointF(0, 0), 0.21, 0.13);
    QLinearGradient g(0, -0.13, 0, 0.13);
    g.setColorAt(0, f.base);
    g.setColorAt(1, f.shade);
    fillOutlined(p, foot, g, f.line, 0.035 * f.weight);
    p.restore();
}

void drawFeet(QPainter& p, const Fur& f, const QString& pose, Layer& l)
{
    if (pose == "stand")
        drawFoot(p, f, {-0.36, 1.0}, 0), drawFoot(p, f, {0.36, 1.0}, 0);
    else if (pose == "apart")
        drawFoot(p, f, {-0.52, 0.99}, -8), drawFoot(p, f, {0.52, 0.99}, 8);
    else if (pose == "step_left")
        drawFoot(p, f, {-0.5, 0.86}, -28), drawFoot(p, f, {0.34, 1.0}, 0);
    else if (pose == "step_right")
        drawFoot(p, f, {-0.34, 1.0}, 0), drawFoot(p, f, {0.5, 0.86}, 28);
    else if (pose == "tiptoe")
        drawFoot(p, f, {-0.3, 1.0}, 20), drawFoot(p, f, {0.3, 1.0}, -20);
    else if (pose != "none")
        l.fail("unknown feet \"" + pose + "\"");
}

void drawWing(QPainter& p, int side)
{
    p.save();
    p.translate(0.82 * side, -0.2);
    p.scale(side, 1);
    p.rotate(-12);
    QPainterPath w;
    w.moveTo(0, 0.1);
    w.cubicTo(0.25, -0.3, 0.55, -0.5, 0.72, -0.42);
    w.quadTo(0.72, -0.2, 0.6, -0.12);
    w.quadTo(0.66, 0.02, 0.5, 0.08);
    w.quadTo(0.52, 0.22, 0.34, 0.24);
    w.quadTo(0.2, 0.34, 0, 0.1);
    w.closeSubpath();
    QLinearGradient g(0, -0.4, 0.6, 0.3);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, paletteColour("sky"));
    fillOutlined(p, w, g, paletteColour("blue"), 0.03);
    p.restore();
}

void drawCape(QPainter& p, const QColor& c)
{
    QPainterPath cape;
    cape.moveTo(-0.62, -0.6);
    cape.cubicTo(-1.05, -0.1, -1.2, 0.6, -1.28, 1.02);
    cape.quadTo(0, 1.16, 1.28, 1.02);
    cape.cubicTo(1.2, 0.6, 1.05, -0.1, 0.62, -0.6);
    cape.closeSubpath();
    QLinearGradient g(-1.2, 0, 1.2, 0);
    g.setColorAt(0, c.darker(125));
    g.setColorAt(0.5, c);
    g.setColorAt(1, c.darker(125));
    fillOutlined(p, cape, g, paletteColour("gold_dark"), 0.05);
}

void drawBody(QPainter& p, const Fur& f, double thin, unsigned seed, QPainterPath* outline)
{
    const double rx = 1.05 * (1 - 0.3 * thin);
    const QPainterPath body = fluffyBlob(rx, 0.96, 26, 0.075, thin * 0.9, seed);
    *outline = body;
    fillOutlined(p, body, softFill(f, {-0.35 * rx, -0.45}, 1.55), f.line, 0.04 * f.weight);

    // Fluff: short curls around the lower half and a sheen on the crown.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(withAlpha(f.shade.darker(108), 0.8), 0.028));
    for (int i = 0; i < 9; ++i) {
        const double a = qDegreesToRadians(200.0 + i * 17.5 + 6 * jitter(seed, 40 + i) * (0.3 + thin));
        const double r = 0.84 - 0.04 * (i % 2);
        const QPointF c(rx * r * std::cos(a), -0.96 * r * std::sin(a));
        QPainterPath curl;
        curl.moveTo(c + QPointF(-0.07, -0.02));
        curl.quadTo(c + QPointF(0, 0.06), c + QPointF(0.07, -0.02));
        p.drawPath(curl);
    }
    glow(p, QPointF(-0.38 * rx, -0.58), 0.34, 0.22, Qt::white, 0.75 * (1 - thin * 0.6));
}

// ---- face ----------------------------------------------------------------

void eyeShine(QPainter& p, double big)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0.05, -0.075), 0.062 * big, 0.062 * big);
    p.drawEllipse(QPointF(-0.055, 0.085), 0.03 * big, 0.03 * big);
}

QPainterPath eyeShape(double s)
{
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), 0.15 * s, 0.19 * s);
    return e;
}

void openEye(QPainter& p, double s)
{
    QLinearGradient g(0, -0.19 * s, 0, 0.19 * s);
    g.setColorAt(0, paletteColour("eye"));
    g.setColorAt(0.55, paletteColour("eye"));
    g.setColorAt(1, paletteColour("eye_low"));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(eyeShape(s));
}

void lidOver(QPainter& p, const Fur& f, double s, QLineF lid)
{
    // Cover the eye above a lid line, then draw the line itself.
    QPainterPath above;
    const QPointF up(0, -1);
    above.moveTo(lid.p1() + up * 0.0);
    above.lineTo(lid.p2());
    above.lineTo(lid.p2() + QPointF(0, -0.5));
    above.lineTo(lid.p1() + QPointF(0, -0.5));
    above.closeSubpath();
    p.setBrush(mix(f.base, f.light, 0.2));
    p.setPen(Qt::NoPen);
    p.drawPath(clipped(above, eyeShape(s * 1.08)));
    p.setPen(roundPen(paletteColour("eye"), 0.04));
    p.drawLine(lid);
}

void drawEye(QPainter& p, const Fur& f, const QString& style, int side, double s, Layer& l)
{
    const QColor ink = paletteColour("eye");
    p.save();
    p.translate(0.34 * side, -0.04);
    auto stroke = [&](const QPainterPath& path, double w) {
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(ink, w));
        p.drawPath(path);
    };
    if (style == "open") {
        openEye(p, s);
        eyeShine(p, s);
    } else if (style == "sparkle") {
        openEye(p, s);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.save();
        p.translate(0.04, -0.06);
        p.scale(0.2 * s, 0.2 * s);
        p.drawPath(sparklePath());
        p.restore();
        p.drawEllipse(QPointF(-0.06, 0.08), 0.035 * s, 0.035 * s);
        p.drawEllipse(QPointF(0.07, 0.07), 0.018 * s, 0.018 * s);
    } else if (style == "heart") {
        p.save();
        p.scale(0.4 * s, 0.4 * s);
        fillOutlined(p, heartPath(), paletteColour("rose"), paletteColour("mouth"), 0.06);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(-0.2, -0.15), 0.09, 0.07);
        p.restore();
    } else if (style == "teary") {
        openEye(p, s);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(paletteColour("water"), 0.85));
        QPainterPath pool;
        pool.addEllipse(QPointF(0, 0.1 * s), 0.17 * s, 0.11 * s);
        p.drawPath(clipped(pool, eyeShape(s * 1.06)));
        eyeShine(p, s * 1.25);
    } else if (style == "half") {
        openEye(p, s);
        eyeShine(p, s * 0.8);
        lidOver(p, f, s, QLineF(-0.17 * s, -0.01, 0.17 * s, -0.01));
    } else if (style == "angry") {
        openEye(p, s);
        eyeShine(p, s * 0.8);
        lidOver(p, f, s, QLineF(-0.18 * s * side, 0.0, 0.18 * s * side, -0.14));
    } else if (style == "sad") {
        openEye(p, s);
        eyeShine(p, s);
        lidOver(p, f, s, QLineF(-0.18 * s * side, -0.12, 0.18 * s * side, 0.0));
    } else if (style == "happy") {
        QPainterPath a;
        a.moveTo(-0.13 * s, 0.05);
        a.cubicTo(-0.1 * s, -0.12, 0.1 * s, -0.12, 0.13 * s, 0.05);
        stroke(a, 0.055);
    } else if (style == "closed") {
        QPainterPath a;
        a.moveTo(-0.14 * s, -0.01);
        a.cubicTo(-0.08 * s, 0.09, 0.08 * s, 0.09, 0.14 * s, -0.01);
        stroke(a, 0.05);
    } else if (style == "blink") {
        QPainterPath a;
        a.moveTo(-0.14 * s, 0.02);
        a.quadTo(0, 0.06, 0.14 * s, 0.02);
        stroke(a, 0.05);
    } else if (style == "squeeze") {
        QPainterPath a;
        a.moveTo(-0.11 * s * side, -0.09);
        a.lineTo(0.1 * s * side, 0.0);
        a.lineTo(-0.11 * s * side, 0.09);
        stroke(a, 0.05);
    } else if (style == "dizzy") {
        QPainterPath a;
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0, r = 0.14 * s * t, ang = t * 4.5 * M_PI * side;
            const QPointF pt(r * std::cos(ang), r * std::sin(ang));
            i == 0 ? a.moveTo(pt) : a.lineTo(pt);
        }
        stroke(a, 0.035);
    } else {
        l.fail("unknown eyes \"" + style + "\"");
    }
    p.restore();
}

void drawBrows(QPainter& p, const QString& style, Layer& l)
{
    if (style == "none")
        return;
    p.setPen(roundPen(paletteColour("ink"), 0.045));
    for (int side : {-1, 1}) {
        QLineF brow;
        if (style == "angry")
            brow = QLineF(mirrored({0.2, -0.26}, side), mirrored({0.46, -0.38}, side));
        else if (style == "sad")
            brow = QLineF(mirrored({0.2, -0.36}, side), mirrored({0.46, -0.28}, side));
        else if (style == "raised")
            brow = QLineF(mirrored({0.24, -0.4}, side), mirrored({0.44, -0.4}, side));
        else
            l.fail("unknown brows \"" + style + "\"");
        p.drawLine(brow);
    }
}

void drawMouth(QPainter& p, const QString& style, Layer& l)
{
    const QColor line = paletteColour("mouth");
    auto stroke = [&](const QPainterPath& path) {
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(line, 0.04));
        p.drawPath(path);
    };
    auto filled = [&](const QPainterPath& path, bool tongue) {
        p.setPen(roundPen(line, 0.035));
        p.setBrush(mix(line, paletteColour("eye"), 0.35));
        p.drawPath(path);
        if (tongue) {
            QPainterPath t;
            const QRectF b = path.boundingRect();
            t.addEllipse(QPointF(b.center().x(), b.bottom() - b.height() * 0.18), b.width() * 0.32, b.height() * 0.26);
            p.setPen(Qt::NoPen);
            p.setBrush(paletteColour("tongue"));
            p.drawPath(clipped(t, path));
        }
    };
    QPainterPath m;
    if (style == "smile") {
        m.moveTo(-0.09, 0.19);
        m.quadTo(0, 0.28, 0.09, 0.19);
        stroke(m);
    } else if (style == "cat") {
        m.moveTo(-0.12, 0.17);
        m.quadTo(-0.06, 0.27, 0, 0.19);
        m.quadTo(0.06, 0.27, 0.12, 0.17);
        stroke(m);
    } else if (style == "open") {
        m.addEllipse(QPointF(0, 0.24), 0.075, 0.09);
        filled(m, true);
    } else if (style == "wide") {
        m.moveTo(-0.15, 0.17);
        m.quadTo(0, 0.2, 0.15, 0.17);
        m.cubicTo(0.13, 0.32, 0.05, 0.37, 0, 0.37);
        m.cubicTo(-0.05, 0.37, -0.13, 0.32, -0.15, 0.17);
        m.closeSubpath();
        filled(m, true);
    } else if (style == "o") {
        m.addEllipse(QPointF(0, 0.23), 0.045, 0.055);
        filled(m, false);
    } else if (style == "frown") {
        m.moveTo(-0.09, 0.27);
        m.quadTo(0, 0.17, 0.09, 0.27);
        stroke(m);
    } else if (style == "wavy") {
        m.moveTo(-0.14, 0.23);
        m.quadTo(-0.105, 0.18, -0.07, 0.23);
        m.quadTo(-0.035, 0.28, 0, 0.23);
        m.quadTo(0.035, 0.18, 0.07, 0.23);
        m.quadTo(0.105, 0.28, 0.14, 0.23);
        stroke(m);
    } else if (style == "flat") {
        m.moveTo(-0.07, 0.23);
        m.lineTo(0.07, 0.23);
        stroke(m);
    } else if (style == "shout") {
        m.moveTo(-0.14, 0.3);
        m.quadTo(-0.12, 0.16, 0, 0.16);
        m.quadTo(0.12, 0.16, 0.14, 0.3);
        m.quadTo(0, 0.34, -0.14, 0.3);
        m.closeSubpath();
        filled(m, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        QPainterPath teeth;
        teeth.addRect(-0.2, 0.14, 0.4, 0.06);
        p.drawPath(clipped(m, teeth));
    } else if (style != "none") {
        l.fail("unknown mouth \"" + style + "\"");
    }
}

void drawBlush(QPainter& p, double amount)
{
    if (amount <= 0)
        return;
    for (int side : {-1, 1}) {
        const QPointF c(0.58 * side, 0.17);
        QRadialGradient g(c, 0.16);
        g.setColorAt(0, withAlpha(paletteColour("cheek"), 0.75 * amount));
        g.setColorAt(0.6, withAlpha(paletteColour("cheek"), 0.45 * amount));
        g.setColorAt(1, withAlpha(paletteColour("cheek"), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 0.17, 0.1);
        if (amount >= 0.8) {
            p.setPen(roundPen(withAlpha(paletteColour("rose"), 0.8), 0.018));
            for (int i = -1; i <= 1; ++i)
                p.drawLine(c + QPointF(i * 0.06 - 0.015, 0.03), c + QPointF(i * 0.06 + 0.015, -0.03));
        }
    }
}

// ---- paws and things held -------------------------------------------------

void drawPaw(QPainter& p, const Fur& f, QPointF at)
{
    const double angle = qRadiansToDegrees(std::atan2(at.y(), at.x()));
    p.save();
    p.translate(at);
    p.rotate(angle + 90);
    QPainterPath paw;
    paw.addEllipse(QPointF(0, 0), 0.13, 0.15);
    fillOutlined(p, paw, softFill(f, {-0.04, -0.06}, 0.2), f.line, 0.035 * f.weight);
    p.restore();
}

void drawMic(QPainter& p)
{
    p.setPen(roundPen(paletteColour("grey_dark"), 0.07));
    p.drawLine(QPointF(0.34, 0.6), QPointF(0.24, 0.36));
    QRadialGradient g(QPointF(0.2, 0.27), 0.1);
    g.setColorAt(0, paletteColour("grey_light"));
    g.setColorAt(1, paletteColour("grey_dark"));
    fillOutlined(
        p,
        [] {
            QPainterPath h;
            h.addEllipse(QPointF(0.22, 0.3), 0.085, 0.085);
            return h;
        }(),
        g, paletteColour("ink"), 0.025);
}

void drawBundle(QPainter& p)
{
    // A traveller's cloth bundle tied to a stick over the shoulder.
    p.setPen(roundPen(paletteColour("wood_dark"), 0.06));
    p.drawLine(QPointF(0.78, 0.42), QPointF(1.36, -0.86));
    const QColor cloth(0xB8, 0xA6, 0xC9);
    QPainterPath sack;
    sack.addEllipse(QPointF(1.42, -0.46), 0.27, 0.25);
    QPainterPath knot;
    knot.moveTo(1.3, -0.74);
    knot.quadTo(1.22, -0.92, 1.34, -0.9);
    knot.lineTo(1.42, -0.72);
    knot.lineTo(1.52, -0.92);
    knot.quadTo(1.62, -0.9, 1.54, -0.72);
    knot.closeSubpath();
    knot.addRect(QRectF(1.32, -0.76, 0.2, 0.12));
    sack.addPath(knot);
    const QPainterPath whole = merged(sack);
    fillOutlined(p, whole, cloth, cloth.darker(150), 0.025);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 0.6));
    for (QPointF dot :
         {QPointF(1.3, -0.45), QPointF(1.46, -0.34), QPointF(1.52, -0.56), QPointF(1.36, -0.6), QPointF(1.58, -0.4)})
        p.drawEllipse(dot, 0.03, 0.03);
}

QPointF pawSpot(const QString& pose, int side, Layer& l)
{
    const bool up = pose == "up" || (pose == "left_up" && side < 0) || (pose == "right_up" && side > 0);
    const bool reach = (pose == "reach_left" && side < 0) || (pose == "reach_right" && side > 0);
    if (up)
        return mirrored({0.98, -0.36}, side);
    if (reach)
        return mirrored({1.12, 0.22}, side);
    if (pose == "chest")
        return mirrored({0.17, 0.55}, side);
    if (pose == "cheeks")
        return mirrored({0.7, 0.26}, side);
    if (pose == "out")
        return mirrored({1.08, 0.02}, side);
    if (pose == "down" || pose == "left_up" || pose == "right_up" || pose == "reach_left" || pose == "reach_right")
        return mirrored({0.8, 0.44}, side);
    l.fail("unknown paws \"" + pose + "\"");
}

// ---- things worn ----------------------------------------------------------

void drawHeadwear(QPainter& p, const QString& what, const QColor& accent, Layer& l)
{
    if (what == "none")
        return;
    const QColor gold = paletteColour("gold"), goldLine = paletteColour("gold_dark");
    if (what == "crown") {
        QPainterPath c;
        c.moveTo(-0.3, -0.86);
        c.lineTo(-0.34, -1.2);
        c.lineTo(-0.17, -1.04);
        c.lineTo(0, -1.28);
        c.lineTo(0.17, -1.04);
        c.lineTo(0.34, -1.2);
        c.lineTo(0.3, -0.86);
        c.quadTo(0, -0.8, -0.3, -0.86);
        c.closeSubpath();
        QLinearGradient g(0, -1.28, 0, -0.84);
        g.setColorAt(0, gold.lighter(115));
        g.setColorAt(1, gold);
        fillOutlined(p, c, g, goldLine, 0.03);
        p.setPen(Qt::NoPen);
        for (auto [pt, col] : {std::pair{QPointF(0, -0.92), accent},
                               {QPointF(-0.18, -0.9), paletteColour("blue")},
                               {QPointF(0.18, -0.9), paletteColour("blue")}}) {
            p.setBrush(col);
            p.drawEllipse(pt, 0.045, 0.045);
        }
        for (QPointF tip : {QPointF(-0.34, -1.22), QPointF(0, -1.31), QPointF(0.34, -1.22)}) {
            p.setBrush(Qt::white);
            p.drawEllipse(tip, 0.035, 0.035);
        }
    } else if (what == "tiara") {
        QPainterPath t;
        t.moveTo(-0.34, -0.84);
        t.quadTo(-0.2, -0.98, -0.12, -0.96);
        t.lineTo(0, -1.1);
        t.lineTo(0.12, -0.96);
        t.quadTo(0.2, -0.98, 0.34, -0.84);
        t.quadTo(0, -0.92, -0.34, -0.84);
        t.closeSubpath();
        fillOutlined(p, t, gold, goldLine, 0.025);
        p.setPen(roundPen(goldLine, 0.02));
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, -0.98), 0.05, 0.06);
    } else if (what == "flower" || what == "bow") {
        p.save();
        p.translate(0.5, -0.74);
        p.rotate(20);
        if (what == "flower") {
            p.scale(0.4, 0.4);
            paintFlower(p, accent);
        } else {
            QPainterPath b;
            b.moveTo(0, 0);
            b.cubicTo(-0.1, -0.16, -0.3, -0.12, -0.26, 0.02);
            b.cubicTo(-0.24, 0.14, -0.1, 0.12, 0, 0);
            b.cubicTo(0.1, 0.12, 0.24, 0.14, 0.26, 0.02);
            b.cubicTo(0.3, -0.12, 0.1, -0.16, 0, 0);
            fillOutlined(p, b, accent, accent.darker(140), 0.025);
            p.drawEllipse(QPointF(0, 0), 0.05, 0.05);
        }
        p.restore();
    } else if (what == "halo") {
        glow(p, QPointF(0, -1.3), 0.55, 0.25, paletteColour("butter"), 0.9);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(gold, 0.065));
        p.drawEllipse(QPointF(0, -1.3), 0.36, 0.09);
    } else if (what == "top_hat") {
        p.save();
        p.translate(0.1, -0.86);
        p.rotate(8);
        QPainterPath h;
        h.addRoundedRect(QRectF(-0.2, -0.42, 0.4, 0.42), 0.04, 0.04);
        h.addEllipse(QPointF(0, 0), 0.34, 0.07);
        fillOutlined(p, merged(h), accent, accent.darker(150), 0.03);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawRect(QRectF(-0.2, -0.14, 0.4, 0.07));
        p.restore();
    } else {
        l.fail("unknown headwear \"" + what + "\"");
    }
}

void drawNeckwear(QPainter& p, const QString& what, const QColor& accent, const QPainterPath& body, Layer& l)
{
    if (what == "none")
        return;
    if (what == "bowtie") {
        QPainterPath b;
        b.moveTo(0, 0.52);
        b.lineTo(-0.18, 0.42);
        b.quadTo(-0.22, 0.52, -0.18, 0.62);
        b.closeSubpath();
        b.moveTo(0, 0.52);
        b.lineTo(0.18, 0.42);
        b.quadTo(0.22, 0.52, 0.18, 0.62);
        b.closeSubpath();
        fillOutlined(p, b, accent, accent.darker(150), 0.025);
        p.drawEllipse(QPointF(0, 0.52), 0.05, 0.05);
    } else if (what == "ruff") {
        const QPainterPath ruff = fluffyBlob(0.46, 0.12, 16, 0.22, 0, 7).translated(0, 0.56);
        fillOutlined(p, ruff, Qt::white, paletteColour("lilac").darker(130), 0.025);
        p.setPen(roundPen(paletteColour("lilac"), 0.018));
        for (int i = -3; i <= 3; ++i)
            p.drawLine(QPointF(i * 0.11, 0.5), QPointF(i * 0.12, 0.62));
    } else if (what == "pearls") {
        p.setPen(roundPen(paletteColour("lilac").darker(120), 0.012));
        p.setBrush(Qt::white);
        for (int i = 0; i <= 12; ++i) {
            const double t = i / 12.0 * 2 - 1;
            p.drawEllipse(QPointF(0.5 * t, 0.46 + 0.14 * (1 - t * t)), 0.035, 0.035);
        }
        p.setBrush(accent);
        p.drawEllipse(QPointF(0, 0.65), 0.055, 0.065);
    } else if (what == "sash") {
        p.save();
        p.setClipPath(body);
        QPainterPath s;
        s.moveTo(-1.0, -0.15);
        s.lineTo(-0.84, -0.35);
        s.lineTo(1.0, 0.95);
        s.lineTo(0.84, 1.15);
        s.closeSubpath();
        fillOutlined(p, s, accent, accent.darker(140), 0.02);
        p.restore();
        p.setPen(roundPen(paletteColour("gold_dark"), 0.02));
        p.setBrush(paletteColour("gold"));
        p.save();
        p.translate(0.4, 0.56);
        p.scale(0.2, 0.2);
        p.drawPath(starPath(8, 0.6));
        p.restore();
    } else if (what == "scarf") {
        QPainterPath s;
        s.moveTo(-0.62, 0.46);
        s.quadTo(0, 0.66, 0.62, 0.46);
        s.lineTo(0.6, 0.6);
        s.quadTo(0, 0.8, -0.6, 0.6);
        s.closeSubpath();
        s.moveTo(0.3, 0.62);
        s.lineTo(0.5, 0.98);
        s.lineTo(0.42, 0.94);
        s.lineTo(0.36, 1.0);
        s.lineTo(0.18, 0.66);
        s.closeSubpath();
        fillOutlined(p, merged(s), accent, accent.darker(140), 0.025);
    } else {
        l.fail("unknown neckwear \"" + what + "\"");
    }
}

// ---- marks of feeling -----------------------------------------------------

void drawTears(QPainter& p)
{
    for (int side : {-1, 1}) {
        QPainterPath t;
        t.moveTo(0.3 * side, 0.12);
        t.cubicTo(0.26 * side, 0.3, 0.36 * side, 0.42, 0.34 * side, 0.62);
        t.lineTo(0.42 * side, 0.62);
        t.cubicTo(0.44 * side, 0.4, 0.36 * side, 0.3, 0.4 * side, 0.12);
        t.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(paletteColour("water"), 0.85));
        p.drawPath(t);
    }
}

void drawSweat(QPainter& p, int count)
{
    const QPointF spots[] = {{0.78, -0.6}, {-0.86, -0.42}, {0.95, -0.1}};
    for (int i = 0; i < qMin(count, 3); ++i) {
        p.save();
        p.translate(spots[i]);
        p.rotate(i == 1 ? -20 : 20);
        p.scale(0.2, 0.26);
        fillOutlined(p, dropPath(), paletteColour("water"), paletteColour("blue"), 0.1);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(-0.1, 0.14), 0.08, 0.12);
        p.restore();
    }
}

void drawAngerMark(QPainter& p)
{
    p.save();
    p.translate(-0.62, -0.62);
    p.setPen(roundPen(paletteColour("red"), 0.05));
    p.setBrush(Qt::NoBrush);
    for (int q = 0; q < 4; ++q) {
        p.save();
        p.rotate(q * 90);
        QPainterPath c;
        c.moveTo(0.04, -0.16);
        c.quadTo(0.04, -0.04, 0.16, -0.04);
        p.drawPath(c);
        p.restore();
    }
    p.restore();
}

void drawPlaster(QPainter& p)
{
    p.save();
    p.translate(-0.62, 0.32);
    p.rotate(-25);
    QPainterPath s;
    s.addRoundedRect(QRectF(-0.15, -0.055, 0.3, 0.11), 0.05, 0.05);
    fillOutlined(p, s, QColor(0xF3, 0xD9, 0xB8), QColor(0xC9, 0xA6, 0x80), 0.015);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE4, 0xC3, 0x9C));
    p.drawRect(QRectF(-0.05, -0.045, 0.1, 0.09));
    p.restore();
}

void drawEyeBags(QPainter& p, double amount)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(withAlpha(paletteColour("violet"), 0.55 * amount), 0.03));
    for (int side : {-1, 1}) {
        QPainterPath bag;
        bag.moveTo(0.22 * side, 0.19);
        bag.quadTo(0.34 * side, 0.26, 0.46 * side, 0.18);
        p.drawPath(bag);
    }
}

}  // namespace

void drawPet(QPainter& p, Layer& l)
{
    const double x = l.num("x", 500), y = l.num("y", 540), size = l.num("size", 220);
    const double tilt = l.num("tilt", 0), squash = l.num("squash", 1), lift = l.num("lift", 0);
    const double thin = qBound(0.0, l.num("thin", 0), 1.0);
    Fur f = furFrom(l.colour("fur", "fur"), thin * 0.8 + l.num("dull", 0));
    f.weight = l.num("line_weight", 1);
    const unsigned seed = unsigned(l.num("seed", 1));
    const QString eyes = l.text("eyes", "open"), mouth = l.text("mouth", "cat"), brows = l.text("brows", "none");
    const QString paws = l.text("paws", "down"), feet = l.text("feet", "stand");
    const QString head = l.text("headwear", "none"), neck = l.text("neckwear", "none");
    const QColor accent = l.colour("accent", "rose");
    const QString cape = l.text("cape", "");
    const double eyeScale = l.num("eye_scale", 1), blush = l.num("blush", 0), ears = l.num("ears", 0);
    const bool wings = l.flag("wings", false), mic = l.flag("mic", false), bundle = l.flag("bundle", false);
    const bool tears = l.flag("tears", false), anger = l.flag("anger", false), plaster = l.flag("plaster", false);
    const bool shadow = l.flag("shadow", true);
    const int sweat = int(l.num("sweat", 0));

    // Ground frame: origin on the ground under the pet, one unit = body radius.
    p.translate(x, y + Ground * size);
    p.scale(size, size);
    if (shadow) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(paletteColour("ink"), 0.13 / (1 + 2 * lift)));
        p.drawEllipse(QPointF(0, 0.02), 0.9 / (1 + lift), 0.12 / (1 + lift));
    }
    p.rotate(tilt);
    p.scale(squash, 1 / squash);
    p.translate(0, -Ground - lift);

    if (!cape.isEmpty())
        drawCape(p, paletteColour(cape));
    if (wings)
        drawWing(p, -1), drawWing(p, 1);
    drawFeet(p, f, feet, l);
    // A worn-out pet is narrower: ears, paws and what it carries move in.
    const double width = 1 - 0.3 * thin;
    drawEar(p, f, -1, ears, width);
    drawEar(p, f, 1, ears, width);
    if (head == "none" || head == "flower" || head == "bow" || head == "halo")
        drawTuft(p, f);
    QPainterPath body;
    drawBody(p, f, thin, seed, &body);

    if (thin > 0.3)
        drawEyeBags(p, thin);
    for (int side : {-1, 1})
        drawEye(p, f, eyes, side, eyeScale, l);
    drawBrows(p, brows, l);
    drawBlush(p, blush);
    drawMouth(p, mouth, l);
    drawNeckwear(p, neck, accent, body, l);

    const auto narrow = [width](QPointF pt) { return QPointF(pt.x() * width, pt.y()); };
    if (paws != "none") {
        drawPaw(p, f, narrow(pawSpot(paws, -1, l)));
        drawPaw(p, f, narrow(mic ? QPointF(0.38, 0.6) : pawSpot(paws, 1, l)));
    }
    p.save();
    p.translate(0.8 * (width - 1), 0);
    if (mic)
        drawMic(p);
    if (bundle)
        drawBundle(p);
    p.restore();
    drawHeadwear(p, head, accent, l);
    if (tears)
        drawTears(p);
    drawSweat(p, sweat);
    if (anger)
        drawAngerMark(p);
    if (plaster)
        drawPlaster(p);
}

}  // namespace art
