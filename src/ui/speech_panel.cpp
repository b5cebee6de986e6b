// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/speech_panel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/grid_layout.h"
#include "ui/keyboard.h"

namespace mokopi::ui {

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    // A right click answers the game; it must not open a menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    // A quick second click arrives as a double click, which QWidget passes on
    // here as a press: every click of the player counts.
    const int code = buttonCode(event->button());
    if (code == 0) {
        event->ignore();
        return;
    }
    pressedButton_ = event->button();
    event->accept();
    emit pressed(code);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == pressedButton_ && rect().contains(event->position().toPoint());
    if (event->button() == pressedButton_)
        pressedButton_ = Qt::NoButton;
    event->accept();
    if (click)
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int code = speechKeyButton(*event);
    if (code == 0) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down repeats faster than anyone clicks: only its first
    // press counts.
    if (event->isAutoRepeat())
        return;
    emit pressed(code);
    emit clicked();
}

FatigueBar::FatigueBar(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void FatigueBar::setValue(int value)
{
    if (value == value_)
        return;
    value_ = value;
    QAccessibleValueChangeEvent changed(this, value);
    QAccessible::updateAccessibility(&changed);
}

void FatigueBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrNotDestination);
    painter.fillRect(rect(), QColor::fromRgb(Fill));
}

SpeechPanel::SpeechPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Pic"));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, WindowYellow);

    // Created in stacking order: the bar over the speech, the hint over both.
    lbl_ = new ClickLabel(this);
    lbl_->setObjectName(QStringLiteral("Lbl"));
    lbl_->setTextFormat(Qt::PlainText);
    lbl_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_->setWordWrap(true);
    setColour(lbl_, QPalette::WindowText, QColor(0, 128, 0));

    bar_ = new FatigueBar(this);
    bar_->setObjectName(QStringLiteral("ShpHir"));

    kazari_ = new QLabel(this);
    kazari_->setObjectName(QStringLiteral("LblKazari"));
    kazari_->setTextFormat(Qt::PlainText);
    kazari_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kazari_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setColour(kazari_, QPalette::WindowText, DarkYellow);

    placeChildren();
}

void SpeechPanel::setFatigue(int units)
{
    bar_->setValue(units);
    placeChildren();
}

void SpeechPanel::setFontSizes(int speechPointSize, int hintPointSize)
{
    lbl_->setFont(designFont(FontRole::Gothic, speechPointSize));
    // The first line starts a little below the panel's top edge, about a
    // third of the font's height.
    lbl_->setContentsMargins(0, qMax(2, speechPointSize / 3), 0, 0);
    kazari_->setFont(designFont(FontRole::Gothic, hintPointSize));
}

void SpeechPanel::resizeEvent(QResizeEvent*) { placeChildren(); }

void SpeechPanel::placeChildren()
{
    auto place = [this](QWidget* w, double left, double top, double width, double height) {
        const PixelRect r = scaleRect(left, top, width, height, 255, 10, this->width(), this->height());
        w->setGeometry(r.x, r.y, r.width, r.height);
    };
    place(lbl_, 0, 0, 255, 10);
    place(kazari_, 0, 8, 255, 2);
    bar_->setGeometry(0, 0, fatigueBarPixels(bar_->value(), width()), height());
}

}  // namespace mokopi::ui
