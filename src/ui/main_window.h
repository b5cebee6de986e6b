// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include <array>

#include "ui/grid_layout.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace mokopi::ui {

class Menus;
class PetPicture;
class SpeechPanel;
class StatusPanel;

// The game's one window `Fom`: its controls, its menus and their layout on the
// 10 x 10 grid. It knows nothing of the game: it reports what the player does
// through its signals and shows what it is told.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // Laid out for a screen this many pixels high; 0 means the primary screen's.
    explicit MainWindow(int screenHeightPixels = 0);

    Menus& menus() { return *menus_; }
    const WindowLayout& layout() const { return layout_; }

    // The pet area, where pictures are shown at its size and pixel ratio.
    const PetPicture& pet() const { return *pet_; }
    void showPet(const QPixmap& picture, const QString& spokenName);
    void setSpeech(const QString& text);
    void setSpeechMarks(const QColor& textColour, const QString& clickHint);
    void showClock(const QString& hour, const QString& day);
    void showStatus(const QString& text, const QColor& background, const QColor& textColour, int fatigue);
    void selectCommand(int command);

signals:
    void commandClicked(int command);
    void petPressed();
    // A press on the speech line with the game's button code, then its click.
    void speechPressed(int buttonCode);
    void speechClicked();
    void helpClicked();
    // Once, soon after the window is first shown, before its first frame.
    void firstShown();
    // The layout was redone for the window frame: the pet area has a new size.
    void petAreaResized();
    // Once the first frame is on the screen: what it does not need can come now.
    void firstFrameShown();
    // Every caption, tool tip and accessible text of the window is in the
    // language now in use; what the game shows is still in the one before.
    void languageChanged();
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void orderTabStops();
    void applyLayout(const Decorations& decorations);
    Decorations estimatedDecorations() const;
    void correctForWindowFrame();
    void centreOnScreen();

    int screenHeightPixels_ = 0;
    WindowLayout layout_;
    Decorations decorations_;
    bool shown_ = false;
    bool painted_ = false;
    bool frameMeasured_ = false;

    Menus* menus_ = nullptr;
    QWidget* client_ = nullptr;
    PetPicture* pet_ = nullptr;
    SpeechPanel* speechPanel_ = nullptr;
    StatusPanel* statusPanel_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    std::array<QPushButton*, 3> commands_{};
    QButtonGroup* commandGroup_ = nullptr;
    QLabel* hour_ = nullptr;
    QLabel* day_ = nullptr;
};

}  // namespace mokopi::ui
