// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QWidget>

namespace mokopi::ui {

// A label that reports a press of any mouse button (1 left, 2 right,
// 4 middle) and then the click it makes: the press always comes first, so
// the game knows which button the click was made with. The keys that stand
// for the left and right buttons report the same press and click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void pressed(int buttonCode);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Qt::MouseButton pressedButton_ = Qt::NoButton;
};

// The fatigue bar: a red fill merged with the inverse of what lies under it,
// so it shows purple on the light yellow panel and the speech text under it
// stays readable in inverted colours.
class FatigueBar : public QWidget {
public:
    static constexpr QRgb Fill = qRgb(192, 0, 0);
    explicit FatigueBar(QWidget* parent = nullptr);

    // The fatigue it stands for, which screen readers read as its value.
    int value() const { return value_; }
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
};

// The speech panel `Pic`: the speech line `Lbl`, the fatigue bar `ShpHir`
// over it and the click hint `LblKazari` over both, on a 255 x 10 scale.
class SpeechPanel : public QWidget {
public:
    explicit SpeechPanel(QWidget* parent = nullptr);

    ClickLabel* speech() const { return lbl_; }
    QLabel* clickHint() const { return kazari_; }
    QWidget* fatigueBar() const { return bar_; }

    // Width in panel units (one per point of fatigue); wider than the panel
    // is clipped.
    void setFatigue(int units);
    void setFontSizes(int speechPointSize, int hintPointSize);
    // Places the children on the panel's 255 x 10 scale; a hidden panel gets
    // no resize event, so the window calls this after placing it.
    void placeChildren();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ClickLabel* lbl_;
    FatigueBar* bar_;
    QLabel* kazari_;
};

}  // namespace mokopi::ui
