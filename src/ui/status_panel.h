// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;

namespace mokopi::ui {

// The status panel `PicStr`, tinted by the pet's values, with the song, dance
// and fatigue text `LblStr` on it.
class StatusPanel final : public QWidget {
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    QLabel* text() const { return text_; }
    void display(const QString& text, const QColor& background, const QColor& textColour);
    // Puts the panel on its place in the window, its text in this size.
    void place(const QRect& area, int fontPointSize);

private:
    QLabel* text_;
};

// The hour `LblTimDay` or the day `LblDay`, which the status display writes
// beside the panel.
QLabel* makeClockLabel(QWidget* parent, const char* name);

}  // namespace mokopi::ui
