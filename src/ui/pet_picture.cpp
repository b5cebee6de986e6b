#include "ui/pet_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/keyboard.h"

namespace mokopi::ui {

PetPicture::PetPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("IMG"));
    setToolTip(QStringLiteral("なでなでします"));
    // Reached by Tab; a click pets without taking the focus from the speech line.
    setFocusPolicy(Qt::TabFocus);
}

void PetPicture::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
}

void PetPicture::paintEvent(QPaintEvent*)
{
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    // Stretching only happens if the window changed size after loading.
    if (pixmap_.size() == size())
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
