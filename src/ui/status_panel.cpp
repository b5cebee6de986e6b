// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/status_panel.h"

#include <QLabel>

#include "ui/colours.h"
#include "ui/fonts.h"

namespace mokopi::ui {

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent), text_(new QLabel(this))
{
    setObjectName(QStringLiteral("PicStr"));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, Qt::black);

    text_->setObjectName(QStringLiteral("LblStr"));
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StatusPanel::display(const QString& text, const QColor& background, const QColor& textColour)
{
    text_->setText(text);
    setColour(this, QPalette::Window, background);
    setColour(text_, QPalette::WindowText, textColour);
}

void StatusPanel::place(const QRect& area, int fontPointSize)
{
    setGeometry(area);
    // The text keeps clear of the panel's edges by about a third of its
    // font's height.
    const int margin = qMax(2, fontPointSize / 3);
    text_->setGeometry(margin, margin, area.width() - margin, area.height() - margin);
    text_->setFont(designFont(FontRole::Mincho, fontPointSize));
}

QLabel* makeClockLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    setColour(label, QPalette::WindowText, DarkYellow);
    return label;
}

}  // namespace mokopi::ui
