// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <array>

#include "game/endings.h"
#include "ui/language.h"

class QAction;
class QMenuBar;

namespace mokopi::ui {

// The menu bar: メニュウ (save, load, quit, and about the game), オプション
// (the three switches and the language) and エンディング (a replay item per
// ending), its captions given by showWindowTexts. A choice is only announced:
// the switches and the cleared endings belong to the game, the language to
// the application, and the check marks and enabled items show what they say
// they hold.
class Menus final : public QObject {
    Q_OBJECT
public:
    explicit Menus(QMenuBar* bar);

    void showSwitches(bool soundOn, bool superFast, bool eventsOn);
    void showClearedEndings(const game::ClearedEndings& cleared);
    void showLanguage(Language language);

signals:
    void saveChosen();
    void loadChosen();
    void quitChosen();
    void aboutChosen();
    void soundSwitchChosen();
    void superFastSwitchChosen();
    void eventsSwitchChosen();
    void endingChosen(int ending);
    void languageChosen(mokopi::ui::Language language);

private:
    QAction* soundSwitch_ = nullptr;
    QAction* superFastSwitch_ = nullptr;
    QAction* eventsSwitch_ = nullptr;
    std::array<QAction*, game::EndingCount> endingItems_{};
    std::array<QAction*, std::size(AllLanguages)> languageItems_{};
};

}  // namespace mokopi::ui
