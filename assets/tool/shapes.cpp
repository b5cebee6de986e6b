// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shapes.h"

#include "recipe.h"

#include <QPainter>
#include <QtMath>

namespace art {

QPainterPath heartPath()
{
    QPainterPath p;
    p.moveTo(0, 0.45);
    p.cubicTo(-0.2, 0.3, -0.5, 0.1, -0.5, -0.15);
    p.cubicTo(-0.5, -0.4, -0.2, -0.52, 0, -0.25);
    p.cubicTo(0.2, -0.52, 0.5, -0.4, 0.5, -0.15);
    p.cubicTo(0.5, 0.1, 0.2, 0.3, 0, 0.45);
    p.closeSubpath();
    return p;
}

QPainterPath starPath(int points, double inner)
{
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double r = (i % 2 == 0) ? 0.5 : 0.5 * inner;
        const QPointF pt(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QPainterPath sparklePath()
{
    // Four points with curved-in sides, like light catching on glass.
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.06, -0.06, 0.5, 0);
    p.quadTo(0.06, 0.06, 0, 0.5);
    p.quadTo(-0.06, 0.06, -0.5, 0);
    p.quadTo(-0.06, -0.06, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath dropPath()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.25, 0.32, -0.05, 0.32, 0.16);
    p.cubicTo(0.32, 0.36, 0.17, 0.5, 0, 0.5);
    p.cubicTo(-0.17, 0.5, -0.32, 0.36, -0.32, 0.16);
    p.cubicTo(-0.32, -0.05, -0.12, -0.25, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath cloudPath()
{
    QPainterPath p;
    p.addEllipse(QPointF(-0.28, 0.06), 0.22, 0.17);
    p.addEllipse(QPointF(-0.06, -0.06), 0.24, 0.22);
    p.addEllipse(QPointF(0.2, -0.01), 0.2, 0.18);
    p.addEllipse(QPointF(0.34, 0.1), 0.15, 0.12);
    p.addRoundedRect(QRectF(-0.46, 0.02, 0.92, 0.2), 0.1, 0.1);
    return merged(p);
}

void glow(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour, double alpha)
{
    QRadialGradient g(centre, rx);
    g.setColorAt(0, withAlpha(colour, alpha));
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, ry);
}

void paintFlower(QPainter& p, const QColor& petals)
{
    p.setPen(roundPen(petals.darker(125), 0.03));
    p.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(i * 72);
        p.drawEllipse(QPointF(0, -0.24), 0.17, 0.22);
        p.restore();
    }
    p.setBrush(paletteColour("butter"));
    p.drawEllipse(QPointF(0, 0), 0.14, 0.14);
}

QPainterPath fluffyBlob(double rx, double ry, int bumps, double bulge, double ragged, unsigned seed)
{
    QPainterPath p;
    auto at = [&](double a, double grow) {
        return QPointF(rx * (1 + grow) * std::cos(a), ry * (1 + grow) * std::sin(a));
    };
    const double step = 2 * M_PI / bumps;
    const double start = -M_PI / 2;
    p.moveTo(at(start, 0));
    for (int i = 0; i < bumps; ++i) {
        const double a0 = start + i * step;
        const double dip = (i + 1 == bumps) ? 0 : ragged * 0.05 * jitter(seed, 2 * i + 1);
        const double grow = bulge * (1 + ragged * 0.9 * jitter(seed, 2 * i));
        p.quadTo(at(a0 + step / 2, grow), at(a0 + step, dip));
    }
    p.closeSubpath();
    return p;
}

namespace {
// Qt flattens curves before combining paths, to a tolerance in path units;
// shapes here are about one unit across, so combine them a thousand times larger.
const QTransform Up = QTransform::fromScale(1000, 1000);
const QTransform Down = QTransform::fromScale(0.001, 0.001);
}  // namespace

QPainterPath merged(const QPainterPath& a)
{
    // Overlapping parts add up rather than cancel each other out.
    QPainterPath big = Up.map(a);
    big.setFillRule(Qt::WindingFill);
    return Down.map(big.simplified());
}
QPainterPath clipped(const QPainterPath& a, const QPainterPath& b)
{
    return Down.map(Up.map(a).intersected(Up.map(b)));
}
QPainterPath cut(const QPainterPath& a, const QPainterPath& b) { return Down.map(Up.map(a).subtracted(Up.map(b))); }

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(qBound(0.0, alpha, 1.0)));
    return c;
}

double jitter(unsigned seed, int i)
{
    unsigned h = seed * 2654435761u + unsigned(i) * 40503u + 0x9e3779b9u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    h *= 3266489917u;
    h ^= h >> 16;
    return (h % 20001) / 10000.0 - 1.0;
}

QPen roundPen(const QColor& c, double width)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void placeItem(QPainter& p, Layer& l, double defaultSize)
{
    p.translate(l.num("x", 500), l.num("y", 500));
    p.rotate(l.num("rotate", 0));
    const double s = l.num("size", defaultSize);
    p.scale(l.flag("flip", false) ? -s : s, s);
    p.setOpacity(l.num("alpha", 1));
}

}  // namespace art
