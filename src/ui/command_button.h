// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

#include <array>

class QButtonGroup;
class QFontMetrics;

namespace mokopi::ui {

// A push button whose caption goes onto more lines when it is wider than the
// button, as the help button's long caption needs on small screens. Its
// caption and tool tip come from showWindowTexts.
class CommandButton : public QPushButton {
public:
    explicit CommandButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The caption as it is drawn in `width` pixels: whole when it fits, else
// broken after "＆" so that the words on either side stay whole. A caption
// without "＆" is wrapped between its words where it is drawn.
QString captionLines(const QString& caption, const QFontMetrics& metrics, int width);

// The three commands `Opt(0..2)` うた, おどり and やすむ, one choice in `group`
// with its id the command's number; やすむ starts chosen.
std::array<QPushButton*, 3> makeCommandButtons(QWidget* parent, QButtonGroup* group);

// The yellow help button `Com`.
QPushButton* makeHelpButton(QWidget* parent);

}  // namespace mokopi::ui
