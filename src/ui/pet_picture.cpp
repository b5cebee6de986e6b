// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pet_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colours.h"
#include "ui/keyboard.h"

namespace mokopi::ui {

PetPicture::PetPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("IMG"));
    // Every frame covers the whole area: nothing to clear under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by Tab; a click pets without taking the focus from the speech line.
    setFocusPolicy(Qt::TabFocus);
}

void PetPicture::setPixmap(const QPixmap& pixmap)
{
    if (pixmap.cacheKey() == pixmap_.cacheKey())
        return;
    pixmap_ = pixmap;
    update();
}

void PetPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (pixmap_.isNull()) {
        painter.fillRect(rect(), WindowYellow);  // before the first picture
        return;
    }
    // Stretching only happens for a moment when the window changes size.
    if (pixmap_.deviceIndependentSize() == QSizeF(size()))
        painter.drawPixmap(0, 0, pixmap_);
    else
        painter.drawPixmap(rect(), pixmap_);
}

void PetPicture::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed();
}

void PetPicture::keyPressEvent(QKeyEvent* event)
{
    if (!isActivationKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit pressed();
}

}  // namespace mokopi::ui
