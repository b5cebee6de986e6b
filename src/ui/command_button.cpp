// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/command_button.h"

#include <QButtonGroup>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/colours.h"

namespace mokopi::ui {

namespace {

CommandButton* makeButton(QWidget* parent, const char* name, const QColor& colour)
{
    auto* button = new CommandButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoFillBackground(true);
    setColour(button, QPalette::Button, colour);
    return button;
}

}  // namespace

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, captionLines(text(), fontMetrics(), area.width()));
}

QString captionLines(const QString& caption, const QFontMetrics& metrics, int width)
{
    // Japanese may break between any two characters; the caption's own
    // break point keeps "遊び方" from losing its last two. Words of other
    // languages break between them.
    const qsizetype ampersand = caption.indexOf(QStringLiteral("＆"));
    if (metrics.horizontalAdvance(caption) <= width || ampersand < 0)
        return caption;
    return caption.left(ampersand + 1) + QLatin1Char('\n') + caption.mid(ampersand + 1);
}

std::array<QPushButton*, 3> makeCommandButtons(QWidget* parent, QButtonGroup* group)
{
    // Created in the design's order, やすむ first.
    std::array<QPushButton*, 3> buttons{};
    buttons[2] = makeButton(parent, "Opt2", QColor(255, 128, 128));
    buttons[1] = makeButton(parent, "Opt1", QColor(128, 255, 128));
    buttons[0] = makeButton(parent, "Opt0", QColor(128, 128, 255));
    group->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setCheckable(true);
        group->addButton(buttons[i], i);
    }
    buttons[2]->setChecked(true);
    return buttons;
}

QPushButton* makeHelpButton(QWidget* parent) { return makeButton(parent, "Com", QColor(255, 255, 0)); }

}  // namespace mokopi::ui
