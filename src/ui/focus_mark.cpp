// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/focus_mark.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace mokopi::ui {

namespace {

// A rose line with a white rim, seen on the yellow panels, the coloured
// buttons and the dark status panel alike.
const QColor MarkColour{232, 64, 140};
// Thin, so that it covers little of what the control shows at its edge.
constexpr int MarkWidth = 2;

bool paintsItsOwnBackground(const QWidget* control)
{
    return control->autoFillBackground() || control->testAttribute(Qt::WA_OpaquePaintEvent);
}

}  // namespace

FocusMark::FocusMark(QWidget* area) : QFocusFrame(area), area_(area)
{
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { follow(); });
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window() && !keyboardInUse_) {
            keyboardInUse_ = true;
            follow();
        }
        break;
    case QEvent::MouseButtonPress:
        if (keyboardInUse_) {
            keyboardInUse_ = false;
            follow();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == target_)
            follow();
        break;
    default: break;
    }
    return false;
}

void FocusMark::follow()
{
    QWidget* focused = QApplication::focusWidget();
    target_ = focused;
    if (!keyboardInUse_ || !focused || !area_->isAncestorOf(focused)) {
        hide();
        return;
    }
    if (parentWidget() != focused->parentWidget())
        setParent(focused->parentWidget());
    setGeometry(focused->geometry());
    if (paintsItsOwnBackground(focused))
        raise();
    else
        stackUnder(focused);
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The line's middle, with room for the rim outside it.
    const qreal middle = MarkWidth / 2.0 + 1;
    const QRectF inner = QRectF(rect()).adjusted(middle, middle, -middle, -middle);
    const qreal radius = std::min<qreal>(8, std::min(inner.width(), inner.height()) / 4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, MarkWidth + 2));
    painter.drawRoundedRect(inner, radius, radius);
    painter.setPen(QPen(MarkColour, MarkWidth));
    painter.drawRoundedRect(inner, radius, radius);
}

}  // namespace mokopi::ui
