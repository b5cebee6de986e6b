// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QWidget>

namespace mokopi::ui {

// The pet picture `IMG`. The pictures arrive already at the widget's size in
// device pixels, so a change of picture is a plain copy; any mouse button
// pets the pet, and so do Space and Enter when it has the focus.
class PetPicture : public QWidget {
    Q_OBJECT
public:
    explicit PetPicture(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap pixmap_;
};

}  // namespace mokopi::ui
