// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <array>

#include "game/endings.h"

class QAction;
class QMenuBar;

namespace mokopi::ui {

// The menu bar: メニュウ (save, load, quit, and about the game), オプション
// (the three switches) and エンディング (a replay item per ending). A choice
// is only announced: the switches and the cleared endings belong to the game,
// and the check marks and enabled items show what the game says it holds.
class Menus final : public QObject {
    Q_OBJECT
public:
    explicit Menus(QMenuBar* bar);

    void showSwitches(bool soundOn, bool superFast, bool eventsOn);
    void showClearedEndings(const game::ClearedEndings& cleared);

signals:
    void saveChosen();
    void loadChosen();
    void quitChosen();
    void aboutChosen();
    void soundSwitchChosen();
    void superFastSwitchChosen();
    void eventsSwitchChosen();
    void endingChosen(int ending);

private:
    QAction* soundSwitch_ = nullptr;
    QAction* superFastSwitch_ = nullptr;
    QAction* eventsSwitch_ = nullptr;
    std::array<QAction*, game::EndingCount> endingItems_{};
};

}  // namespace mokopi::ui
