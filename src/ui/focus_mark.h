// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFocusFrame>
#include <QPointer>

namespace mokopi::ui {

// A soft rounded frame drawn inside the control that has the keyboard focus:
// over a control that paints its own background, under one that draws on its
// parent's (the speech line, the labels), so that text reaching the edge
// stays whole. It shows once the player uses the keyboard and goes at the
// next mouse press, so a player who only uses the mouse never sees it. It is
// a QFocusFrame so that screen readers leave it out of the window's controls.
class FocusMark : public QFocusFrame {
public:
    // Marks the focused controls inside `area`.
    explicit FocusMark(QWidget* area);

    // The control the mark is drawn on; null while hidden.
    QWidget* marked() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QWidget* area_;
    QPointer<QWidget> target_;
    bool keyboardInUse_ = false;
};

}  // namespace mokopi::ui
