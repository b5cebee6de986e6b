// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace art {

class Layer;

// Shapes centred on the origin, about one unit across.
QPainterPath heartPath();
QPainterPath starPath(int points, double inner);
QPainterPath sparklePath();
QPainterPath dropPath();   // a drop hanging from its tip, tip up
QPainterPath cloudPath();  // flat-bottomed puff, 1 wide and about 0.55 high

// A scalloped ellipse: the pet's fur and every other fluffy outline. Raggedness
// 0 gives even scallops; more makes them uneven, the same way on every run.
// A soft round light fading out from its centre: lamps, halos, sheen.
void glow(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour, double alpha);

// A five-petal flower with a butter centre, about one unit across.
void paintFlower(QPainter& p, const QColor& petals);

QPainterPath fluffyBlob(double rx, double ry, int bumps, double bulge, double ragged, unsigned seed);

// Path union, intersection and difference, worked out at a fine scale so
// curves stay smooth when the result is drawn large.
QPainterPath merged(const QPainterPath& a);
QPainterPath clipped(const QPainterPath& a, const QPainterPath& b);
QPainterPath cut(const QPainterPath& a, const QPainterPath& b);

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, double alpha);
// A repeatable value in [-1, 1] for the i-th detail of a drawing.
double jitter(unsigned seed, int i);

QPen roundPen(const QColor& c, double width);

// The usual placing of a small item: "x", "y", "size", "rotate" (degrees),
// "flip" (mirror left-right), "alpha"; the painter then draws in units of size.
void placeItem(QPainter& p, Layer& l, double defaultSize);

}  // namespace art
